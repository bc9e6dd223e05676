#include "pictures.h"

#include "hole_painter.h"
#include "keying.h"
#include "paint_kit.h"
#include "seal_painter.h"
#include "yeti_painter.h"

#include <QDir>
#include <QtMath>
#include <functional>

namespace assetgen {
namespace {


void write_keyed(const QString& dir, const QString& name, const std::function<void(QPainter&)>& draw)
{
    QImage canvas = new_canvas(50, 50);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    save_bmp(keyed(canvas), QDir(dir).filePath(name));
}

void paint_bump(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(200, 90, 110), 0.8));
    p.setBrush(ball_gradient(c, 4.2, QColor(255, 214, 222), QColor(240, 120, 140)));
    p.drawEllipse(c, 4.0, 3.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-1.2, -1.2), 1.0, 0.8);
}

void paint_dizzy_stars(QPainter& p, QPointF c)
{
    p.setPen(QPen(QColor(255, 236, 120), 0.8, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 14, 3.8);
    const QPointF at[] = {c + QPointF(-13, 0.5), c + QPointF(2, -3.6), c + QPointF(12, 1.6)};
    const qreal size[] = {4.2, 3.4, 3.8};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(150, 90, 0), 0.8));
        p.setBrush(QColor(255, 220, 40));
        p.drawPath(star_path(at[i], size[i], size[i] * 0.45, 5, i * 17.0));
    }
}

// The struck seal: dizzy eyes, a bump, stars going round and a tear.
void paint_struck_seal(QPainter& p)
{
    paint_seal_in_hole(p, {8.0, SealFace::dizzy, true, -8.0});
    paint_bump(p, {30.5, 8.6});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 196, 255));
    p.drawEllipse(QPointF(11.0, 25.0), 1.3, 2.0);
    paint_dizzy_stars(p, {25, 5.2});
}

// The yeti after being hit: it laughs at the player.
void paint_laughing_yeti(QPainter& p)
{
    paint_yeti_in_hole(p, {5.0, YetiFace::laugh, true});
}

void paint_slash(QPainter& p, QPointF from, QPointF to, qreal width)
{
    p.setPen(QPen(QColor(90, 200, 255), width + 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(QColor(220, 248, 255), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(Qt::white, width * 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

// The seal in the sword mode: one bright cut across it.
void paint_zan(QPainter& p)
{
    paint_seal_in_hole(p, {6.0, SealFace::surprised, true});
    paint_slash(p, {46, 3}, {5, 40}, 2.0);
    draw_twinkle(p, {45, 4}, 4.0, QColor(255, 255, 200));
    draw_twinkle(p, {7, 38}, 3.0, QColor(200, 240, 255));
}

// The sword-mode hit picture: a full 50 x 50 scene, copied without a key.
void paint_zantetuken(QPainter& p)
{
    QRadialGradient bg(QPointF(25, 25), 36);
    bg.setColorAt(0.0, QColor(255, 230, 160));
    bg.setColorAt(0.35, QColor(230, 80, 60));
    bg.setColorAt(1.0, QColor(60, 10, 40));
    p.fillRect(QRectF(0, 0, 50, 50), bg);
    // speed lines
    p.setPen(QPen(QColor(255, 240, 220, 150), 0.8));
    for (int i = 0; i < 24; ++i) {
        const qreal a = i * 2 * M_PI / 24 + 0.1;
        p.drawLine(QPointF(25 + 15 * qCos(a), 25 + 15 * qSin(a)), QPointF(25 + 40 * qCos(a), 25 + 40 * qSin(a)));
    }
    // the seal, cut in two and sliding apart along the cut
    QPainterPath upper;
    upper.moveTo(-10, -10);
    upper.lineTo(60, -10);
    upper.lineTo(60, -6.0);
    upper.lineTo(-10, 58.0);
    upper.closeSubpath();
    QPainterPath whole;
    whole.addRect(-10, -10, 70, 70);
    for (int half = 0; half < 2; ++half) {
        p.save();
        p.setClipPath(half == 0 ? upper : whole.subtracted(upper));
        p.translate(half == 0 ? QPointF(-1.6, -1.4) : QPointF(1.6, 1.4));
        p.translate(25, 28);
        p.scale(0.82, 0.82);
        p.translate(-25, -28);
        paint_seal(p, {6.0, SealFace::dizzy, true});
        p.restore();
    }
    paint_slash(p, {52, -4}, {-2, 55}, 1.6);
    draw_twinkle(p, {41, 6}, 5.0, Qt::white);
    // the character for "cut"
    outlined_text(p, QRectF(1, 1, 17, 17), QStringLiteral("斬"), bold_font(14, true), QColor(255, 250, 235),
                  QColor(120, 0, 20), 3.0);
}

}  // namespace

void write_sprite_pictures(const QString& dir)
{
    write_keyed(dir, "ana3.bmp", [](QPainter& p) {
        draw_hole_back(p);
        draw_hole_front(p);
    });
    const qreal seal_tops[] = {23.5, 15.0, 5.0};
    for (int i = 0; i < 3; ++i) {
        write_keyed(dir, QString("mipo3%1.bmp").arg(i + 1), [&](QPainter& p) {
            paint_seal_in_hole(p, {seal_tops[i], SealFace::happy, i == 2});
        });
    }
    write_keyed(dir, "ita5.bmp", paint_struck_seal);
    const qreal yeti_tops[] = {27.0, 19.0, 11.0, 4.0};
    for (int i = 0; i < 4; ++i) {
        write_keyed(dir, QString("hazure3%1.bmp").arg(i + 1), [&](QPainter& p) {
            paint_yeti_in_hole(p, {yeti_tops[i], YetiFace::grin, i == 3});
        });
    }
    write_keyed(dir, "hazure_m.bmp", paint_laughing_yeti);
    write_keyed(dir, "zan.bmp", paint_zan);

    QImage cut(50, 50, QImage::Format_ARGB32_Premultiplied);
    cut.fill(Qt::black);
    {
        QPainter p(&cut);
        p.setRenderHint(QPainter::Antialiasing);
        paint_zantetuken(p);
    }
    save_bmp(cut, QDir(dir).filePath("zantetuken.bmp"));
}

}  // namespace assetgen
