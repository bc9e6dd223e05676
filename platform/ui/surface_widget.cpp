#include "surface_widget.h"
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <vector>

namespace platform {

namespace {

// The device pixel where each of `count` + 1 pixel edges from `first` lands: the edge rounded
// to the nearest device pixel, as Qt rounds the edges of a widget's region.
std::vector<int> device_edges(qreal scale, qreal offset, int first, int count)
{
    std::vector<int> edges(count + 1);
    for (int i = 0; i <= count; ++i)
        edges[i] = qRound(scale * (first + i) + offset);
    return edges;
}

// For each device pixel from edges.front() to edges.back(), the pixel (from `first`) whose block holds it.
std::vector<int> block_owners(const std::vector<int>& edges, int first)
{
    std::vector<int> owners;
    owners.reserve(edges.back() - edges.front());
    for (std::size_t i = 0; i + 1 < edges.size(); ++i)
        owners.insert(owners.end(), edges[i + 1] - edges[i], first + static_cast<int>(i));
    return owners;
}

} // namespace

void draw_on_device_pixels(QPainter& painter, QPoint at, const QImage& image, const QRect& part)
{
    const QRect source = part & image.rect();
    at += source.topLeft() - part.topLeft();
    const QTransform& to_device = painter.deviceTransform();
    const qreal scale = to_device.m11();
    if (to_device.type() > QTransform::TxScale || scale != to_device.m22() || scale == std::floor(scale)
        || source.isEmpty()) {
        // Whole device pixels per pixel: Qt's own scaling gives every pixel its block.
        painter.drawImage(at, image, source);
        return;
    }
    const std::vector<int> xs = device_edges(scale, to_device.dx(), at.x(), source.width());
    const std::vector<int> ys = device_edges(scale, to_device.dy(), at.y(), source.height());
    const std::vector<int> columns = block_owners(xs, source.left());
    const std::vector<int> rows = block_owners(ys, source.top());
    if (columns.empty() || rows.empty())
        return;
    const QImage picture = image.convertToFormat(QImage::Format_RGB32);
    QImage blocks(int(columns.size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < blocks.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(rows[y]));
        auto* to = reinterpret_cast<QRgb*>(blocks.scanLine(y));
        for (int x = 0; x < blocks.width(); ++x)
            to[x] = from[columns[x]];
    }
    // One pixel of `blocks` per device pixel.
    const QRect device(QPoint(xs.front(), ys.front()), blocks.size());
    painter.drawImage(to_device.inverted().mapRect(QRectF(device)), blocks);
}

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
    draw_on_device_pixels(p, e->rect().topLeft(), surface_.image(), e->rect());
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
