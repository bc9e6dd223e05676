#include "pictures.h"

#include "icon_painter.h"
#include "keying.h"
#include "paint_kit.h"

#include <QDir>

namespace assetgen {
namespace {

// Bricks of snow and ice, like the wall of an igloo.
QImage paint_wall()
{
    QImage img(150, 150, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(176, 214, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int bw = 30, bh = 15;
    for (int row = 0; row * bh < 150; ++row) {
        const int shift = (row % 2) ? -bw / 2 : 0;
        for (int x = shift; x < 150; x += bw) {
            const QRectF brick(x + 1, row * bh + 1, bw - 2, bh - 2);
            QLinearGradient g(0, brick.top(), 0, brick.bottom());
            const int tint = ((row * 7 + x / bw * 3) % 5) * 4;
            g.setColorAt(0.0, QColor(250, 253, 255));
            g.setColorAt(1.0, QColor(214 - tint, 234 - tint / 2, 250));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(brick, 3, 3);
        }
    }
    // soft light from the top left
    QRadialGradient light(QPointF(30, 20), 150);
    light.setColorAt(0.0, QColor(255, 255, 255, 90));
    light.setColorAt(1.0, QColor(120, 160, 220, 50));
    p.fillRect(QRectF(0, 0, 150, 150), light);
    for (QPointF f : {QPointF(20, 40), QPointF(120, 22), QPointF(76, 131), QPointF(136, 104), QPointF(44, 96)})
        draw_twinkle(p, f, 3.5, QColor(255, 255, 255, 230));
    return img;
}

// A triangle button pointing right (or left), for the help pages.
QImage paint_arrow(bool next)
{
    QImage canvas = new_canvas(32, 32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    if (!next) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath tri;
    tri.moveTo(7, 4);
    tri.quadTo(5, 4, 5, 7);
    tri.lineTo(5, 25);
    tri.quadTo(5, 28, 7.5, 27);
    tri.lineTo(27, 17.6);
    tri.quadTo(29, 16, 27, 14.4);
    tri.closeSubpath();
    QLinearGradient g(0, 4, 0, 28);
    g.setColorAt(0.0, next ? QColor(140, 230, 150) : QColor(140, 200, 255));
    g.setColorAt(1.0, next ? QColor(30, 150, 70) : QColor(30, 100, 200));
    p.setPen(QPen(QColor(30, 50, 70), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(tri);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QPointF(10, 11), 2.5, 4);
    p.end();
    return keyed(canvas);
}

}  // namespace

void write_icon_pictures(const QString& dir)
{
    const struct { const char* file; IconKind kind; } icons[] = {
        {"start.bmp", IconKind::start}, {"soubi.bmp", IconKind::soubi}, {"help.bmp", IconKind::help},
        {"score.bmp", IconKind::score}, {"config.bmp", IconKind::config}, {"server.bmp", IconKind::server},
        {"net.bmp", IconKind::net},     {"tokei.bmp", IconKind::tokei},   {"note.bmp", IconKind::note},
    };
    for (const auto& icon : icons) {
        QImage canvas = new_canvas(50, 50);
        {
            QPainter p(&canvas);
            paint_icon(p, icon.kind);
        }
        save_bmp(keyed(canvas), QDir(dir).filePath(icon.file));
    }
    save_bmp(paint_wall(), QDir(dir).filePath("wall.bmp"));
    save_bmp(paint_arrow(true), QDir(dir).filePath("help_next.bmp"));
    save_bmp(paint_arrow(false), QDir(dir).filePath("help_back.bmp"));
}

}  // namespace assetgen
