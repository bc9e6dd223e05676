#include "Pictures.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <stdexcept>

#include "IconPainter.h"

namespace assetgen {

namespace {

// The menu's 50 x 50 badge, antialiased on a clear background, at `size`.
QImage badge_at(IconKind kind, int size)
{
    QImage image(50, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint_icon(p, kind);
    p.end();
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

void write_program_icons(const QString& dir)
{
    const QString path = QDir(dir).filePath("memolu.ico");
    QImageWriter writer(path, "ico");
    if (!writer.write(badge_at(IconKind::note, 32)))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
}

}  // namespace assetgen
