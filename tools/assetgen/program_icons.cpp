#include "pictures.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <stdexcept>

#include "icon_painter.h"
#include "keying.h"
#include "paint_kit.h"
#include "seal_painter.h"

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

// ミポ waving from her hole on a round patch of sea ice, at `size`.
QImage seal_badge(int size, bool with_ice)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 50.0, size / 50.0);
    if (with_ice) {
        QRadialGradient ice(QPointF(18, 14), 40);
        ice.setColorAt(0, QColor(235, 248, 255));
        ice.setColorAt(1, QColor(120, 180, 235));
        p.setPen(QPen(QColor(60, 110, 180), 1.2));
        p.setBrush(ice);
        p.drawEllipse(QPointF(25, 25), 24, 24);
    }
    paint_seal_in_hole(p, {6.0, SealFace::joy, true});
    draw_twinkle(p, {8, 9}, 4.0, QColor(255, 240, 150));
    draw_twinkle(p, {43, 13}, 3.0, QColor(255, 255, 255));
    p.end();
    return image;
}

void write_ico(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "ico");
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + writer.errorString().toStdString());
}

}  // namespace

void write_program_icons(const QString& dir)
{
    write_ico(badge_at(IconKind::note, 32), QDir(dir).filePath("memolu.ico"));
    write_ico(badge_at(IconKind::net, 32), QDir(dir).filePath("brovu.ico"));
    write_ico(badge_at(IconKind::tokei, 32), QDir(dir).filePath("kururito.ico"));
    write_ico(seal_badge(48, true), QDir(dir).filePath("mpkx.ico"));
}

void write_about_picture(const QString& bmp_dir)
{
    save_bmp(keyed(seal_badge(64, false)), QDir(bmp_dir).filePath("mipo_about.bmp"));
}

}  // namespace assetgen
