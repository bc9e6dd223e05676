#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace platform {

// A persistent picture that keeps what is drawn on it (a picture box with
// AutoRedraw on). Always 32-bit RGB; drawing is clipped to its bounds.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, QRgb fill = qRgb(255, 255, 255));
    explicit Surface(const QImage& picture);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool is_null() const { return image_.isNull(); }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    // Replaces the content with `picture` (the surface takes the picture's size).
    void set_picture(const QImage& picture);
    // Changes the size; what fits stays, new area gets `fill`.
    void resize(int width, int height, QRgb fill = qRgb(255, 255, 255));

    QRgb pixel(int x, int y) const;
    void fill(QRgb color);
    void fill_rect(const QRect& rect, QRgb color);
    void line(QPoint from, QPoint to, QRgb color, int width = 1);
    void circle(QPoint centre, int radius, QRgb color, int width = 1);
    void print(QPoint top_left, const QString& text, const QFont& font, QRgb color);
    // Plain copy (SRCCOPY) of `source_rect` of `source` to `dest` of this surface.
    void copy_from(const Surface& source, const QRect& source_rect, QPoint dest);

private:
    QImage image_;
};

// Colour-keyed transparent copy: the width x height block at (src_x, src_y) of
// `source` goes to (x, y) of `dest`, except the pixels that equal `trans_color`
// exactly (alpha ignored), which leave `dest` unchanged.
void trans_blt(Surface& dest, int x, int y, int width, int height,
               const Surface& source, int src_x, int src_y, QRgb trans_color);

} // namespace platform
