#pragma once
#include "platform/surface_widget.h"
#include <QPixmap>

// The title plate: the title picture with the title text `gtl` over it. The text
// is a picture drawn once and painted at its current place, so shaking it 45 times
// a second repaints only the few pixels it leaves and enters.
class TitlePlate : public platform::SurfaceWidget {
    Q_OBJECT
public:
    TitlePlate(QWidget* parent, int width, int height);

    void set_title(const QPixmap& text, QPoint pos);
    void move_title(QPoint pos);
    QRect title_geometry() const { return {title_pos_, title_.deviceIndependentSize().toSize()}; }

protected:
    void paint_over(QPainter& painter) override;

private:
    QPixmap title_;
    QPoint title_pos_;
};
