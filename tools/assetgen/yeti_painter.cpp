#include "yeti_painter.h"

#include "paint_kit.h"

namespace assetgen {
namespace {

const QColor fur_line(104, 120, 168);
const QColor ink(30, 28, 48);

QBrush fur_brush(QPointF c, qreal r)
{
    QRadialGradient g(c, r, c + QPointF(-r * 0.3, -r * 0.45));
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.5, QColor(244, 247, 255));
    g.setColorAt(0.85, QColor(208, 216, 240));
    g.setColorAt(1.0, QColor(182, 192, 226));
    return g;
}

void paint_arm(QPainter& p, qreal t, int side, bool up)
{
    p.save();
    if (up) {
        p.translate(25 + side * 16.5, t + 12);
        p.rotate(side * 20);
    } else {
        p.translate(25 + side * 16, t + 27);
        p.rotate(-side * 18);
    }
    const QPainterPath arm = fluffy_ellipse(QPointF(0, 0), 3.6, 7.0, 2.0, 9, side * 0.4);
    p.setPen(QPen(fur_line, 0.9));
    p.setBrush(fur_brush(QPointF(0, -2), 9));
    p.drawPath(arm);
    // little claws at the end
    p.setPen(QPen(QColor(90, 96, 120), 0.9, Qt::SolidLine, Qt::RoundCap));
    const qreal tip = up ? -8.2 : 8.2;
    for (int k = -1; k <= 1; ++k)
        p.drawLine(QPointF(k * 1.6, tip), QPointF(k * 1.9, tip + (up ? -1.3 : 1.3)));
    p.restore();
}

void paint_face(QPainter& p, qreal t, YetiFace face)
{
    // pale blue face
    QRadialGradient skin(QPointF(25, t + 15), 11, QPointF(23, t + 12));
    skin.setColorAt(0.0, QColor(200, 226, 252));
    skin.setColorAt(1.0, QColor(120, 166, 222));
    QPainterPath mask;
    mask.addEllipse(QPointF(25, t + 17.5), 9.8, 8.4);
    p.setPen(QPen(QColor(70, 104, 160), 0.9));
    p.setBrush(skin);
    p.drawPath(mask);
    // white fur fringe over the brow
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(fluffy_ellipse(QPointF(25, t + 9.6), 8.5, 2.4, 1.8, 7, 0.2));

    p.setBrush(QColor(255, 150, 175));
    p.drawEllipse(QPointF(18.6, t + 20.2), 2.0, 1.3);
    p.drawEllipse(QPointF(31.4, t + 20.2), 2.0, 1.3);

    if (face == YetiFace::grin) {
        // sly eyes under slanted brows
        for (int side : {-1, 1}) {
            const QPointF c(25 + side * 4.0, t + 15.6);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(c, 1.9, 2.3);
            p.setBrush(Qt::white);
            p.drawEllipse(c + QPointF(-0.6, -0.8), 0.75, 0.75);
            p.setPen(QPen(QColor(70, 96, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + QPointF(-side * 2.4, -3.9), c + QPointF(side * 2.2, -2.6));
        }
        QPainterPath mouth;
        mouth.moveTo(19.6, t + 19.6);
        mouth.quadTo(25, t + 21.4, 30.4, t + 19.6);
        mouth.quadTo(25, t + 26.6, 19.6, t + 19.6);
        p.setPen(QPen(ink, 0.8));
        p.setBrush(QColor(120, 34, 58));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int side : {-1, 1}) {
            QPainterPath fang;
            const qreal x = 25 + side * 3.0;
            fang.moveTo(x - 1.1, t + 20.5);
            fang.lineTo(x + 1.1, t + 20.5);
            fang.lineTo(x, t + 22.6);
            fang.closeSubpath();
            p.drawPath(fang);
        }
    } else {
        // laughing: eyes squeezed shut, mouth wide open
        p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int side : {-1, 1}) {
            const QPointF c(25 + side * 4.2, t + 15.6);
            QPainterPath eye;
            eye.moveTo(c + QPointF(-side * 2.2, -1.6));
            eye.lineTo(c + QPointF(side * 1.6, 0));
            eye.lineTo(c + QPointF(-side * 2.2, 1.6));
            p.drawPath(eye);
        }
        QPainterPath mouth;
        mouth.moveTo(19.2, t + 18.8);
        mouth.quadTo(25, t + 19.8, 30.8, t + 18.8);
        mouth.quadTo(25, t + 29.0, 19.2, t + 18.8);
        p.setPen(QPen(ink, 0.8));
        p.setBrush(QColor(120, 34, 58));
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 120, 140));
        p.drawEllipse(QPointF(25, t + 23.8), 3.2, 1.6);
        // tears of laughter
        p.setBrush(QColor(130, 200, 255));
        p.drawEllipse(QPointF(16.8, t + 16.8), 1.1, 1.5);
        p.drawEllipse(QPointF(33.2, t + 16.8), 1.1, 1.5);
    }
}

}  // namespace

void paint_yeti(QPainter& p, const YetiPose& pose)
{
    const qreal t = pose.top;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (!pose.arms_up) {
        paint_arm(p, t, -1, false);
        paint_arm(p, t, 1, false);
    }
    const QPainterPath body = fluffy_ellipse(QPointF(25, t + 22), 14.5, 17.5, 3.4, 18, 0.15);
    p.setPen(QPen(fur_line, 1.0));
    p.setBrush(fur_brush(QPointF(25, t + 20), 24));
    p.drawPath(body);
    // a little fur texture
    p.setPen(QPen(QColor(196, 206, 236), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF strokes[] = {{17, t + 30}, {32, t + 31}, {24, t + 36}, {14, t + 22}, {36, t + 24}};
    for (const QPointF& s : strokes) {
        QPainterPath curl;
        curl.moveTo(s);
        curl.quadTo(s + QPointF(1.2, 1.6), s + QPointF(0.2, 3.2));
        p.drawPath(curl);
    }
    if (pose.arms_up) {
        paint_arm(p, t, -1, true);
        paint_arm(p, t, 1, true);
    }
    paint_face(p, t, pose.face);
    p.restore();
}

void paint_yeti_in_hole(QPainter& p, const YetiPose& pose, const HoleGeometry& g)
{
    draw_hole_back(p, g);
    p.save();
    p.setClipPath(rising_clip(g), Qt::IntersectClip);
    paint_yeti(p, pose);
    p.restore();
    draw_ripple(p, 16.0, g);
    draw_hole_front(p, g);
}

}  // namespace assetgen
