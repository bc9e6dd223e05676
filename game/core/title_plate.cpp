#include "title_plate.h"
#include <QPainter>

TitlePlate::TitlePlate(QWidget* parent, int width, int height) : platform::SurfaceWidget(parent, width, height) {}

void TitlePlate::set_title(const QPixmap& text, QPoint pos)
{
    title_ = text;
    title_pos_ = pos;
    update();
}

void TitlePlate::move_title(QPoint pos)
{
    if (pos == title_pos_)
        return;
    const QRect before = title_geometry();
    title_pos_ = pos;
    update(before.united(title_geometry()));
}

void TitlePlate::paint_over(QPainter& painter)
{
    painter.drawPixmap(title_pos_, title_);
}
