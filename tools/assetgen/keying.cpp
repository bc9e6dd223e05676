#include "keying.h"

#include <QFile>
#include <cstdlib>
#include <stdexcept>

namespace assetgen {

QImage new_canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

bool near_key(QRgb c, QRgb key)
{
    if ((c & 0xffffff) == (key & 0xffffff))
        return false;
    const int d = std::abs(qRed(c) - qRed(key)) + std::abs(qGreen(c) - qGreen(key))
                  + std::abs(qBlue(c) - qBlue(key));
    return d < 120;
}

static QRgb push_away(QRgb c, QRgb key)
{
    // Darken and grey it until it is clearly different.
    int r = qRed(c), g = qGreen(c), b = qBlue(c);
    while (near_key(qRgb(r, g, b), key)) {
        r = r * 3 / 4;
        b = b * 3 / 4;
        g = g + (128 - g) / 2 + 8;
    }
    return qRgb(r, g, b);
}

QImage keyed(const QImage& canvas, QRgb key)
{
    const QImage src = canvas.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = in[x];
            if (qAlpha(c) < 128) {
                dst[x] = key | 0xff000000;
                continue;
            }
            QRgb opaque = qRgb(qRed(c), qGreen(c), qBlue(c));
            if ((opaque & 0xffffff) == (key & 0xffffff) || near_key(opaque, key))
                opaque = push_away(opaque == (key | 0xff000000) ? qRgb(200, 40, 200) : opaque, key);
            dst[x] = opaque;
        }
    }
    // The top-left pixel names the key; it must be the key.
    out.setPixel(0, 0, key | 0xff000000);
    return out;
}

void save_picture(const QImage& image, const QString& path, int quality)
{
    if (!image.save(path, nullptr, quality))
        throw std::runtime_error("cannot write " + path.toStdString());
}

void save_bmp(const QImage& image, const QString& path)
{
    // Qt writes RGB32 images as 24-bit BMPs.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (!rgb.save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace assetgen
