#include "cursor_file.h"
#include "platform/files/atomic_file.h"
#include <QBuffer>
#include <QImageReader>
#include <QPixmap>
#include <algorithm>

namespace platform {
namespace {

uint16_t u16_at(const QByteArray& b, int offset)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(b[offset]) | (static_cast<uint8_t>(b[offset + 1]) << 8));
}

} // namespace

std::optional<QPoint> cursor_hot_spot(const QByteArray& bytes)
{
    // ICONDIR: reserved 0, type 2 (cursor), count >= 1; then the first entry,
    // whose bytes 4..7 are the hot spot.
    if (bytes.size() < 6 + 16 || u16_at(bytes, 0) != 0 || u16_at(bytes, 2) != 2 || u16_at(bytes, 4) < 1)
        return std::nullopt;
    return QPoint(u16_at(bytes, 6 + 4), u16_at(bytes, 6 + 6));
}

std::optional<QCursor> load_cursor_file(const QString& path)
{
    QByteArray bytes;
    if (!read_whole_file(path, &bytes))
        return std::nullopt;
    const auto hot = cursor_hot_spot(bytes);
    if (!hot)
        return std::nullopt;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "cur");
    QImage image = reader.read();
    if (image.isNull()) {
        // Some readers only know icons: the payload is the same.
        QByteArray as_icon = bytes;
        as_icon[2] = 1;
        QBuffer icon_buffer(&as_icon);
        QImageReader icon_reader(&icon_buffer, "ico");
        image = icon_reader.read();
    }
    if (image.isNull())
        return std::nullopt;
    // A damaged directory can put the hot spot anywhere up to 65535; kept inside
    // the picture, the cursor still points where it is drawn.
    const QPoint clamped(std::min(hot->x(), image.width() - 1), std::min(hot->y(), image.height() - 1));
    return QCursor(QPixmap::fromImage(image), clamped.x(), clamped.y());
}

} // namespace platform
