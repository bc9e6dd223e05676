#include "cur_writer.h"
#include "little_endian.h"

#include <QFile>
#include <stdexcept>

namespace assetgen {

QByteArray cur_bytes(const QImage& source, QPoint hot_spot)
{
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    if (w < 1 || h < 1 || w > 256 || h > 256)
        throw std::invalid_argument("cursor size out of range");
    const int mask_stride = ((w + 31) / 32) * 4;
    const quint32 pixel_bytes = quint32(w * h * 4);
    const quint32 mask_bytes = quint32(mask_stride * h);
    const quint32 dib_bytes = 40 + pixel_bytes + mask_bytes;

    QByteArray out;
    // ICONDIR: reserved, type 2 (cursor), one image
    put16(out, 0);
    put16(out, 2);
    put16(out, 1);
    // ICONDIRENTRY; for cursors the planes and bit count fields hold the hot spot
    out.append(char(w == 256 ? 0 : w));
    out.append(char(h == 256 ? 0 : h));
    out.append(char(0));
    out.append(char(0));
    put16(out, quint16(hot_spot.x()));
    put16(out, quint16(hot_spot.y()));
    put32(out, dib_bytes);
    put32(out, 6 + 16);
    // BITMAPINFOHEADER; the height counts the colour rows and the mask rows
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, pixel_bytes + mask_bytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    // colour rows, bottom-up, BGRA
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = img.pixel(x, y);
            const bool clear = qAlpha(c) == 0;
            out.append(char(clear ? 0 : qBlue(c)));
            out.append(char(clear ? 0 : qGreen(c)));
            out.append(char(clear ? 0 : qRed(c)));
            out.append(char(qAlpha(c)));
        }
    }
    // AND mask rows, bottom-up: 1 = transparent
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(mask_stride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

void write_cur(const QImage& image, QPoint hot_spot, const QString& path)
{
    const QByteArray bytes = cur_bytes(image, hot_spot);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace assetgen
