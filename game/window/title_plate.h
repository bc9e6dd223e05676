#pragma once
#include "platform/ui/surface_widget.h"
#include <QHash>
#include <QImage>
#include <QPixmap>

// The title plate: the title picture with the title text `gtl` over it. The text
// shakes 45 times a second among a handful of places, so the plate keeps, for
// each place, the text already laid over the picture: a shake repaints only the
// rectangle the text leaves and enters, by copying pixels, with no blending.
class TitlePlate : public platform::SurfaceWidget {
    Q_OBJECT
public:
    TitlePlate(QWidget* parent, int width, int height);

    void set_title(const QPixmap& text, QPoint pos);
    void move_title(QPoint pos);
    QRect title_geometry() const { return {title_pos_, title_.deviceIndependentSize().toSize()}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Space or Enter presses the plate as a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The picture under the title's rectangle with the text over it, at the current place.
    const QImage& composed_title();

    QPixmap title_;
    QPoint title_pos_;
    QHash<quint64, QImage> composed_; // by place, for the picture as it was when made
    qint64 composed_for_ = 0;         // the picture's cache key then
};
