#include "icon_painter.h"

#include "paint_kit.h"

#include <QtMath>

namespace assetgen {
namespace {

const QColor ink(40, 36, 60);

void paint_hammer(QPainter& p)
{
    p.save();
    p.translate(25, 26);
    p.rotate(-35);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(255, 214, 70));
    p.drawRoundedRect(QRectF(-2.2, -4, 4.4, 22), 2, 2);  // handle
    QLinearGradient head(0, -14, 0, -3);
    head.setColorAt(0, QColor(255, 120, 130));
    head.setColorAt(1, QColor(210, 30, 60));
    p.setBrush(head);
    p.drawRoundedRect(QRectF(-12, -15, 24, 12), 4, 4);
    p.setBrush(QColor(255, 230, 110));
    p.drawRoundedRect(QRectF(-13.5, -15.5, 4, 13), 2, 2);
    p.drawRoundedRect(QRectF(9.5, -15.5, 4, 13), 2, 2);
    p.restore();
    draw_twinkle(p, {37, 35}, 5, Qt::white);
}

void paint_sword_and_shield(QPainter& p)
{
    p.save();
    p.translate(25, 25);
    p.rotate(40);
    p.setPen(QPen(ink, 0.9));
    QLinearGradient blade(-2, 0, 2, 0);
    blade.setColorAt(0, QColor(235, 245, 255));
    blade.setColorAt(1, QColor(150, 170, 200));
    QPainterPath b;
    b.moveTo(0, -19);
    b.lineTo(2.6, -15);
    b.lineTo(2.6, 5);
    b.lineTo(-2.6, 5);
    b.lineTo(-2.6, -15);
    b.closeSubpath();
    p.setBrush(blade);
    p.drawPath(b);
    p.setBrush(QColor(250, 200, 60));
    p.drawRoundedRect(QRectF(-7, 5, 14, 3), 1.5, 1.5);
    p.setBrush(QColor(150, 80, 40));
    p.drawRect(QRectF(-1.6, 8, 3.2, 7));
    p.setBrush(QColor(250, 200, 60));
    p.drawEllipse(QPointF(0, 16.5), 2.2, 2.2);
    p.restore();
    // shield in front
    QPainterPath s;
    s.moveTo(14, 20);
    s.quadTo(21, 17, 28, 20);
    s.lineTo(28, 29);
    s.quadTo(27, 37, 21, 40);
    s.quadTo(15, 37, 14, 29);
    s.closeSubpath();
    p.setPen(QPen(ink, 1.0));
    p.setBrush(ball_gradient({19, 24}, 14, QColor(120, 200, 255), QColor(30, 90, 190)));
    p.drawPath(s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 80));
    p.drawPath(star_path({21, 28.5}, 4.2, 1.9));
}

void paint_question(QPainter& p)
{
    QPainterPath bubble;
    bubble.addEllipse(QPointF(25, 23), 15, 13);
    QPainterPath tail;
    tail.moveTo(16, 31);
    tail.lineTo(12, 41);
    tail.lineTo(23, 35);
    tail.closeSubpath();
    p.setPen(QPen(ink, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(tail));
    outlined_text(p, QRectF(10, 10, 30, 26), QStringLiteral("?"), bold_font(22), QColor(40, 160, 80),
                  QColor(40, 160, 80), 0.5);
}

void paint_trophy(QPainter& p)
{
    p.setPen(QPen(QColor(120, 70, 0), 1.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 90, 0), 2.2));
    p.drawArc(QRectF(9, 13, 10, 11), 90 * 16, 180 * 16);
    p.drawArc(QRectF(31, 13, 10, 11), -90 * 16, 180 * 16);
    QPainterPath cup;
    cup.moveTo(14, 11);
    cup.lineTo(36, 11);
    cup.quadTo(36, 29, 25, 31);
    cup.quadTo(14, 29, 14, 11);
    p.setPen(QPen(QColor(120, 70, 0), 1.0));
    p.setBrush(ball_gradient({20, 15}, 20, QColor(255, 246, 170), QColor(230, 160, 20)));
    p.drawPath(cup);
    p.drawRect(QRectF(23, 31, 4, 5));
    p.drawRoundedRect(QRectF(16, 36, 18, 5), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(star_path({25, 19}, 5, 2.2));
}

void paint_gear(QPainter& p)
{
    QPainterPath gear;
    gear.addEllipse(QPointF(25, 25), 12, 12);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-3.2, -17, 6.4, 8), 1.5, 1.5);
        gear = gear.united(QTransform().translate(25, 25).rotate(i * 45).map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(25, 25), 5, 5);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(ball_gradient({21, 20}, 20, QColor(255, 255, 255), QColor(170, 180, 200)));
    p.drawPath(gear.subtracted(hole));
}

void paint_monitor(QPainter& p)
{
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(235, 235, 245));
    p.drawRoundedRect(QRectF(9, 10, 32, 24), 3, 3);
    p.drawRect(QRectF(21, 34, 8, 3));
    p.drawRoundedRect(QRectF(15, 37, 20, 4), 2, 2);
    QLinearGradient night(0, 13, 0, 31);
    night.setColorAt(0, QColor(20, 20, 80));
    night.setColorAt(1, QColor(70, 40, 140));
    p.setBrush(night);
    p.drawRect(QRectF(12, 13, 26, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 120));
    QPainterPath moon;
    moon.addEllipse(QPointF(20, 20), 4.5, 4.5);
    QPainterPath bite;
    bite.addEllipse(QPointF(22.5, 18.5), 4, 4);
    p.drawPath(moon.subtracted(bite));
    draw_twinkle(p, {31, 18}, 2.6, Qt::white);
    draw_twinkle(p, {34, 26}, 2.0, QColor(200, 220, 255));
    draw_twinkle(p, {27, 27}, 1.6, Qt::white);
}

void paint_globe(QPainter& p)
{
    const QPointF c(25, 25);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(ball_gradient(c, 16, QColor(140, 220, 255), QColor(20, 100, 200)));
    p.drawEllipse(c, 15, 15);
    p.save();
    QPainterPath clip;
    clip.addEllipse(c, 15, 15);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 200, 90));
    p.drawEllipse(QPointF(19, 19), 6, 4.5);
    p.drawEllipse(QPointF(31, 31), 5, 7);
    p.drawEllipse(QPointF(33, 16), 3, 2.5);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 6, 15);
    p.drawLine(QPointF(10, 25), QPointF(40, 25));
    p.drawLine(QPointF(12, 18), QPointF(38, 18));
    p.drawLine(QPointF(12, 32), QPointF(38, 32));
    p.restore();
}

void paint_clock(QPainter& p)
{
    const QPointF c(25, 27);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(240, 70, 80));
    p.drawEllipse(QPointF(15, 13), 4.5, 4.5);
    p.drawEllipse(QPointF(35, 13), 4.5, 4.5);
    p.drawLine(QPointF(17, 39), QPointF(14, 43));
    p.drawLine(QPointF(33, 39), QPointF(36, 43));
    p.setBrush(QColor(240, 70, 80));
    p.drawEllipse(c, 14, 14);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 11, 11);
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawPoint(c + QPointF(9 * qCos(a), 9 * qSin(a)));
    }
    p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, -7.5));
    p.drawLine(c, c + QPointF(5.5, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(c, 1.4, 1.4);
}

void paint_notepad(QPainter& p)
{
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(255, 252, 235));
    p.drawRoundedRect(QRectF(11, 9, 25, 32), 2, 2);
    p.setBrush(QColor(255, 150, 170));
    p.drawRect(QRectF(11, 9, 25, 5));
    p.setPen(QPen(QColor(140, 180, 230), 1.0));
    for (int y = 19; y <= 35; y += 4)
        p.drawLine(QPointF(14, y), QPointF(33, y));
    // pencil
    p.save();
    p.translate(34, 30);
    p.rotate(35);
    p.setPen(QPen(ink, 0.9));
    p.setBrush(QColor(255, 200, 60));
    p.drawRect(QRectF(-2.2, -14, 4.4, 14));
    p.setBrush(QColor(255, 150, 170));
    p.drawRect(QRectF(-2.2, -17, 4.4, 3));
    QPainterPath tip;
    tip.moveTo(-2.2, 0);
    tip.lineTo(2.2, 0);
    tip.lineTo(0, 5);
    tip.closeSubpath();
    p.setBrush(QColor(250, 220, 180));
    p.drawPath(tip);
    p.restore();
}

}  // namespace

void paint_badge(QPainter& p, const QColor& colour)
{
    const QRectF r(3, 3, 44, 44);
    QLinearGradient g(0, 3, 0, 47);
    g.setColorAt(0.0, colour.lighter(135));
    g.setColorAt(1.0, colour.darker(118));
    p.setPen(QPen(colour.darker(190), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(r, 12, 12);
    // gloss on the upper half
    QLinearGradient gloss(0, 4, 0, 24);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(6, 5, 38, 19), 9, 9);
}

void paint_icon(QPainter& p, IconKind kind)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case IconKind::start: paint_badge(p, QColor(255, 140, 170)); paint_hammer(p); break;
    case IconKind::soubi: paint_badge(p, QColor(170, 120, 230)); paint_sword_and_shield(p); break;
    case IconKind::help: paint_badge(p, QColor(110, 210, 130)); paint_question(p); break;
    case IconKind::score: paint_badge(p, QColor(255, 170, 70)); paint_trophy(p); break;
    case IconKind::config: paint_badge(p, QColor(120, 150, 200)); paint_gear(p); break;
    case IconKind::server: paint_badge(p, QColor(100, 100, 200)); paint_monitor(p); break;
    case IconKind::net: paint_badge(p, QColor(100, 200, 240)); paint_globe(p); break;
    case IconKind::tokei: paint_badge(p, QColor(255, 210, 90)); paint_clock(p); break;
    case IconKind::note: paint_badge(p, QColor(90, 200, 190)); paint_notepad(p); break;
    }
    p.restore();
}

}  // namespace assetgen
