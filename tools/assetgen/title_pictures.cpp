#include "pictures.h"

#include "keying.h"
#include "paint_kit.h"
#include "seal_painter.h"
#include "yeti_painter.h"

#include <QDir>
#include <QtMath>

namespace assetgen {
namespace {

void paint_cloud(QPainter& p, QPointF c, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(c, 14 * s, 7 * s);
    p.drawEllipse(c + QPointF(-9 * s, 2 * s), 8 * s, 5 * s);
    p.drawEllipse(c + QPointF(8 * s, -3 * s), 9 * s, 7 * s);
}

void paint_iceberg(QPainter& p, const QPolygonF& shape, const QColor& light, const QColor& shade)
{
    QLinearGradient g(shape.boundingRect().topLeft(), shape.boundingRect().topRight());
    g.setColorAt(0.0, light);
    g.setColorAt(1.0, shade);
    p.setPen(QPen(QColor(110, 160, 210), 1.0));
    p.setBrush(g);
    p.drawPolygon(shape);
}

// The scene in the upper half: morning sky, sea, icebergs, the seal on the
// ice waving, and the yeti peeking from behind an iceberg.
void paint_scene(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, 112);
    sky.setColorAt(0.0, QColor(255, 214, 232));
    sky.setColorAt(0.55, QColor(226, 232, 255));
    sky.setColorAt(1.0, QColor(196, 230, 255));
    p.fillRect(QRectF(0, 0, 210, 112), sky);
    QRadialGradient sun(QPointF(160, 40), 46);
    sun.setColorAt(0.0, QColor(255, 255, 230, 255));
    sun.setColorAt(0.3, QColor(255, 246, 200, 160));
    sun.setColorAt(1.0, QColor(255, 240, 200, 0));
    p.fillRect(QRectF(100, 0, 110, 100), sun);
    paint_cloud(p, {40, 28}, 1.2);
    paint_cloud(p, {120, 16}, 0.8);
    paint_cloud(p, {186, 70}, 0.7);

    // far icebergs and the sea
    paint_iceberg(p, QPolygonF({{-4, 112}, {14, 84}, {26, 90}, {40, 72}, {62, 112}}), QColor(250, 252, 255),
                  QColor(170, 205, 240));
    QLinearGradient sea(0, 108, 0, 150);
    sea.setColorAt(0.0, QColor(110, 180, 235));
    sea.setColorAt(1.0, QColor(40, 110, 190));
    p.fillRect(QRectF(0, 110, 210, 44), sea);
    p.setPen(QPen(QColor(220, 240, 255, 200), 1.0));
    for (int i = 0; i < 9; ++i)
        p.drawLine(QPointF(8 + i * 23, 118 + (i % 3) * 7), QPointF(18 + i * 23, 118 + (i % 3) * 7));

    // the yeti behind the right iceberg
    p.save();
    p.translate(172, 52);
    p.scale(1.25, 1.25);
    p.rotate(12);
    p.translate(-25, 0);
    paint_yeti(p, {0.0, YetiFace::grin, false});
    p.restore();
    paint_iceberg(p, QPolygonF({{132, 150}, {146, 96}, {160, 104}, {176, 82}, {196, 100}, {216, 92}, {216, 150}}),
                  QColor(255, 255, 255), QColor(160, 200, 240));

    // the ice floe in front
    QPainterPath floe;
    floe.moveTo(-10, 186);
    floe.lineTo(-10, 150);
    floe.quadTo(40, 136, 105, 140);
    floe.quadTo(170, 136, 220, 148);
    floe.lineTo(220, 186);
    floe.closeSubpath();
    QLinearGradient ice(0, 136, 0, 186);
    ice.setColorAt(0.0, QColor(255, 255, 255));
    ice.setColorAt(1.0, QColor(200, 226, 248));
    p.setPen(QPen(QColor(120, 170, 220), 1.2));
    p.setBrush(ice);
    p.drawPath(floe);

    // the seal, big, waving hello
    p.save();
    p.translate(92, 64);
    p.scale(2.1, 2.1);
    p.translate(-25, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 170, 220, 90));
    p.drawEllipse(QPointF(25, 46.5), 19, 3.6);  // shadow on the ice
    paint_seal(p, {0.0, SealFace::happy, true, -6.0});
    p.restore();
    for (QPointF s : {QPointF(40, 66), QPointF(142, 120), QPointF(22, 100), QPointF(62, 16), QPointF(100, 48)})
        draw_twinkle(p, s, 5, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 26; ++i) {
        const QPointF f((i * 53) % 210, (i * 37) % 170 + 4);
        p.drawEllipse(f, 1.4 + (i % 3) * 0.5, 1.4 + (i % 3) * 0.5);
    }
}

// The calm lower half, where the labels go.
void paint_plate(QPainter& p)
{
    QLinearGradient calm(0, 180, 0, 360);
    calm.setColorAt(0.0, QColor(246, 251, 255));
    calm.setColorAt(1.0, QColor(222, 236, 252));
    p.fillRect(QRectF(0, 180, 210, 180), calm);
    // the snowy edge of the floe
    QPainterPath edge;
    edge.moveTo(0, 178);
    for (int x = 0; x <= 210; x += 15)
        edge.quadTo(x + 7.5, 186, x + 15, 180);
    p.setPen(QPen(QColor(150, 190, 230), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(edge);
    // faint snowflakes
    p.setPen(QPen(QColor(190, 212, 240), 1.0));
    const QPointF flakes[] = {{190, 200}, {22, 252}, {186, 262}, {16, 330}, {192, 340}, {96, 346}};
    for (const QPointF& c : flakes) {
        for (int k = 0; k < 3; ++k) {
            const qreal a = k * M_PI / 3;
            p.drawLine(c + QPointF(5 * qCos(a), 5 * qSin(a)), c - QPointF(5 * qCos(a), 5 * qSin(a)));
        }
    }
}

QImage paint_title()
{
    QImage img(210, 360, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paint_plate(p);
    paint_scene(p);
    return img;
}

// The maker's logo for the splash: a moon badge and the name, on light
// ground; the lower third stays plain for the credit line.
QImage paint_splash()
{
    QImage img(200, 65, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 65);
    bg.setColorAt(0.0, QColor(255, 255, 255));
    bg.setColorAt(1.0, QColor(236, 244, 255));
    p.fillRect(QRectF(0, 0, 200, 65), bg);

    QLinearGradient badge(0, 4, 0, 38);
    badge.setColorAt(0.0, QColor(70, 110, 220));
    badge.setColorAt(1.0, QColor(30, 40, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(badge);
    p.drawRoundedRect(QRectF(8, 4, 34, 34), 9, 9);
    QPainterPath moon;
    moon.addEllipse(QPointF(22, 21), 10, 10);
    QPainterPath bite;
    bite.addEllipse(QPointF(27, 17), 9, 9);
    p.setBrush(QColor(255, 236, 140));
    p.drawPath(moon.subtracted(bite));
    draw_twinkle(p, {33, 27}, 4.5, Qt::white);
    draw_twinkle(p, {32, 11}, 2.5, QColor(220, 230, 255));

    QFont word = bold_font(27);
    word.setItalic(true);
    QLinearGradient ink(0, 6, 0, 32);
    ink.setColorAt(0.0, QColor(60, 90, 200));
    ink.setColorAt(1.0, QColor(20, 30, 110));
    outlined_text(p, QRectF(48, 2, 146, 30), QStringLiteral("zorvik"), word, ink, QColor(210, 225, 255), 3);
    QFont small = bold_font(9);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
    p.setFont(small);
    p.setPen(QColor(90, 140, 220));
    p.drawText(QRectF(48, 31, 146, 11), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("nabelune"));
    p.setPen(QPen(QColor(170, 200, 245), 1.0));
    p.drawLine(QPointF(8, 43.5), QPointF(192, 43.5));
    return img;
}

}  // namespace

void write_title_pictures(const QString& dir)
{
    save_bmp(paint_title(), QDir(dir).filePath(QStringLiteral("みぽぽかん2000.bmp")));
    save_picture(paint_splash().convertToFormat(QImage::Format_RGB32), QDir(dir).filePath("thwlogo.jpg"), 92);
}

}  // namespace assetgen
