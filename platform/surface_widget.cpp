#include "surface_widget.h"
#include <QMouseEvent>
#include <QPainter>

namespace platform {

SurfaceWidget::SurfaceWidget(QWidget* parent, int width, int height)
    : QWidget(parent), surface_(width, height)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (width > 0 && height > 0)
        resize(width, height);
}

void SurfaceWidget::set_picture(const QImage& picture)
{
    surface_.set_picture(picture);
    resize(surface_.width(), surface_.height());
    update();
}

void SurfaceWidget::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.drawImage(e->rect().topLeft(), surface_.image(), e->rect());
    paint_over(p);
}

void SurfaceWidget::resizeEvent(QResizeEvent*)
{
    if (width() != surface_.width() || height() != surface_.height())
        surface_.resize(width(), height());
}

void SurfaceWidget::mousePressEvent(QMouseEvent* e)
{
    press_inside_ = true;
    emit mouse_pressed(e->button(), e->position());
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* e)
{
    emit mouse_moved(e->buttons(), e->position());
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* e)
{
    emit mouse_released(e->button(), e->position());
    if (press_inside_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    press_inside_ = false;
}

} // namespace platform
