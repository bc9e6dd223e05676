#include "pictures.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPainterPath>
#include <functional>
#include <stdexcept>

#include "icon_painter.h"
#include "seal_painter.h"

namespace assetgen {

namespace {

// ミポ looking out of her ice hole on a round badge: the game's own icon.
void paint_game_badge(QPainter& p, const QColor& colour)
{
    paint_badge(p, colour);
    p.save();
    QPainterPath inside;
    inside.addRoundedRect(QRectF(3.6, 3.6, 42.8, 42.8), 11.4, 11.4);
    p.setClipPath(inside);
    p.translate(25, 26);
    p.scale(0.92, 0.92);
    p.translate(-25, -25);
    paint_seal_in_hole(p, {4.0, SealFace::joy, true, -6.0});
    p.restore();
}

using Painting = std::function<void(QPainter&)>;

Painting painting_for(const QString& kind)
{
    const auto menu_icon = [](IconKind k) { return Painting([k](QPainter& p) { paint_icon(p, k); }); };
    if (kind == "pokan")
        return [](QPainter& p) { paint_game_badge(p, QColor(255, 140, 170)); };
    if (kind == "pokan_earlier")
        return [](QPainter& p) { paint_game_badge(p, QColor(120, 180, 240)); };
    if (kind == "memolu")
        return menu_icon(IconKind::note);
    if (kind == "brovu")
        return menu_icon(IconKind::net);
    if (kind == "kururito")
        return menu_icon(IconKind::tokei);
    if (kind == "yomino")
        return menu_icon(IconKind::server);
    throw std::runtime_error("no desktop icon called " + kind.toStdString());
}

// The 50 x 50 drawing, painted afresh at `size` so that every size is sharp.
QImage icon_at(const Painting& paint, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 50.0, size / 50.0);
    paint(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

void write_desktop_icons(const QString& hicolor_dir, const QList<int>& sizes, const QStringList& kinds_and_names)
{
    for (const QString& pair : kinds_and_names) {
        const qsizetype colon = pair.indexOf(':');
        if (colon <= 0 || colon == pair.size() - 1)
            throw std::runtime_error("expected <icon>:<name>, got " + pair.toStdString());
        const Painting paint = painting_for(pair.left(colon));
        const QString name = pair.mid(colon + 1) + ".png";
        for (int size : sizes) {
            const QString dir = QDir(hicolor_dir).filePath(QStringLiteral("%1x%1/apps").arg(size));
            if (!QDir().mkpath(dir))
                throw std::runtime_error("cannot create " + dir.toStdString());
            const QString path = QDir(dir).filePath(name);
            QImageWriter writer(path, "png");
            if (!writer.write(icon_at(paint, size)))
                throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                         writer.errorString().toStdString());
        }
    }
}

}  // namespace assetgen
