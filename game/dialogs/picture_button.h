#pragma once
#include "platform/ui/surface_widget.h"

// A picture box that is pressed like a button: it takes the focus by Tab or a
// click, Space or Enter press it, and a screen reader hears a button named `name`
// with the press action. The focus shows as a dotted frame over the picture.
class PictureButton final : public platform::SurfaceWidget {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, int width, int height, const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paint_over(QPainter& painter) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
