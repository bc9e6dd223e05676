#include "surface.h"
#include <QPainter>
#include <algorithm>

namespace platform {

Surface::Surface(int width, int height, QRgb fill)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32)
{
    image_.fill(fill);
}

Surface::Surface(const QImage& picture)
{
    set_picture(picture);
}

void Surface::set_picture(const QImage& picture)
{
    image_ = picture.convertToFormat(QImage::Format_RGB32);
}

void Surface::resize(int width, int height, QRgb fill)
{
    QImage next(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    next.fill(fill);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
}

QRgb Surface::pixel(int x, int y) const
{
    if (!image_.valid(x, y))
        return 0;
    return image_.pixel(x, y);
}

void Surface::fill(QRgb color)
{
    image_.fill(color);
}

void Surface::fill_rect(const QRect& rect, QRgb color)
{
    QPainter p(&image_);
    p.fillRect(rect.normalized(), QColor::fromRgb(color));
}

void Surface::line(QPoint from, QPoint to, QRgb color, int width)
{
    QPainter p(&image_);
    p.setPen(QPen(QColor::fromRgb(color), width));
    p.drawLine(from, to);
}

void Surface::circle(QPoint centre, int radius, QRgb color, int width)
{
    QPainter p(&image_);
    p.setPen(QPen(QColor::fromRgb(color), width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

void Surface::print(QPoint top_left, const QString& text, const QFont& font, QRgb color)
{
    QPainter p(&image_);
    p.setFont(font);
    p.setPen(QColor::fromRgb(color));
    QFontMetrics fm(font);
    p.drawText(top_left.x(), top_left.y() + fm.ascent(), text);
}

void Surface::copy_from(const Surface& source, const QRect& source_rect, QPoint dest)
{
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(dest, source.image_, source_rect);
}

void trans_blt(Surface& dest, int x, int y, int width, int height,
               const Surface& source, int src_x, int src_y, QRgb trans_color)
{
    // Clip against both surfaces, shifting the source along with the destination.
    if (x < 0) { src_x -= x; width += x; x = 0; }
    if (y < 0) { src_y -= y; height += y; y = 0; }
    if (src_x < 0) { x -= src_x; width += src_x; src_x = 0; }
    if (src_y < 0) { y -= src_y; height += src_y; src_y = 0; }
    width = std::min({width, dest.width() - x, source.width() - src_x});
    height = std::min({height, dest.height() - y, source.height() - src_y});
    if (width <= 0 || height <= 0)
        return;

    const QImage& src_img = source.image();
    QImage& dst_img = dest.image();
    const uint32_t key = trans_color | 0xff000000u;
    for (int row = 0; row < height; ++row) {
        const auto* s = reinterpret_cast<const uint32_t*>(src_img.constScanLine(src_y + row)) + src_x;
        auto* d = reinterpret_cast<uint32_t*>(dst_img.scanLine(y + row)) + x;
        for (int col = 0; col < width; ++col) {
            const uint32_t v = s[col] | 0xff000000u;
            d[col] = (v == key) ? d[col] : v;
        }
    }
}

} // namespace platform
