#include "seal_painter.h"

#include "paint_kit.h"


namespace assetgen {
namespace {

const QColor outline_colour(112, 122, 142);
const QColor ink(40, 30, 36);

QPainterPath body_path(qreal t)
{
    QPainterPath head;
    head.addEllipse(QPointF(25, t + 14), 15, 13);
    QPainterPath body;
    body.addEllipse(QPointF(25, t + 31), 16.5, 16.5);
    return head.united(body).simplified();
}

void paint_flipper(QPainter& p, qreal t, int side, bool up)
{
    p.save();
    if (up) {
        p.translate(25 + side * 14.5, t + 25);
        p.rotate(side * 35);
        p.translate(0, -5);
    } else {
        p.translate(25 + side * 15, t + 32);
        p.rotate(-side * 28);
    }
    p.setPen(QPen(outline_colour, 0.9));
    p.setBrush(ball_gradient(QPointF(-1, -2), 7, QColor(250, 252, 255), QColor(190, 200, 216)));
    p.drawEllipse(QPointF(0, 0), 3.6, 6.4);
    p.restore();
}

void paint_big_eye(QPainter& p, QPointF c, qreal scale)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 22, 40));
    p.drawEllipse(c, 3.4 * scale, 4.2 * scale);
    p.setBrush(QColor(70, 60, 110));
    p.drawEllipse(c + QPointF(0, 1.6 * scale), 2.2 * scale, 1.8 * scale);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-1.0, -1.5) * scale, 1.45 * scale, 1.45 * scale);
    p.drawEllipse(c + QPointF(1.2, 1.6) * scale, 0.65 * scale, 0.65 * scale);
}

// "> <": eyes squeezed shut
void paint_squeezed_eye(QPainter& p, QPointF c, int side)
{
    QPainterPath eye;
    eye.moveTo(c + QPointF(-side * 2.6, -2.4));
    eye.lineTo(c + QPointF(side * 2.2, 0));
    eye.lineTo(c + QPointF(-side * 2.6, 2.4));
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(eye);
}

void paint_closed_eye(QPainter& p, QPointF c)
{
    QPainterPath arc;
    arc.moveTo(c + QPointF(-3.2, 1.2));
    arc.quadTo(c + QPointF(0, -3.4), c + QPointF(3.2, 1.2));
    p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
}

void paint_whiskers(QPainter& p, qreal t)
{
    p.setPen(QPen(QColor(128, 134, 152), 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        for (int k = -1; k <= 1; ++k) {
            const QPointF from(25 + side * 5.0, t + 19.2 + k * 0.9);
            const QPointF to(25 + side * 12.8, t + 18.4 + k * 2.3);
            p.drawLine(from, to);
        }
    }
}

void paint_face(QPainter& p, qreal t, SealFace face)
{
    const QPointF left_eye(18.8, t + 13.2), right_eye(31.2, t + 13.2);
    // rosy cheeks
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 158, 178));
    p.drawEllipse(QPointF(13.8, t + 18.6), 2.9, 1.8);
    p.drawEllipse(QPointF(36.2, t + 18.6), 2.9, 1.8);

    switch (face) {
    case SealFace::happy:
        paint_big_eye(p, left_eye, 1.0);
        paint_big_eye(p, right_eye, 1.0);
        break;
    case SealFace::surprised:
        paint_big_eye(p, left_eye, 1.12);
        paint_big_eye(p, right_eye, 1.12);
        break;
    case SealFace::joy:
        paint_closed_eye(p, left_eye);
        paint_closed_eye(p, right_eye);
        break;
    case SealFace::dizzy:
        paint_squeezed_eye(p, left_eye, 1);
        paint_squeezed_eye(p, right_eye, -1);
        break;
    }

    paint_whiskers(p, t);
    // muzzle puffs and nose
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 236, 244));
    p.drawEllipse(QPointF(23.2, t + 19.6), 2.4, 1.7);
    p.drawEllipse(QPointF(26.8, t + 19.6), 2.4, 1.7);
    QPainterPath nose;
    nose.moveTo(23.3, t + 17.2);
    nose.quadTo(25, t + 16.6, 26.7, t + 17.2);
    nose.quadTo(25.6, t + 19.4, 25, t + 19.4);
    nose.quadTo(24.4, t + 19.4, 23.3, t + 17.2);
    p.setBrush(ink);
    p.drawPath(nose);

    p.setPen(QPen(ink, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (face == SealFace::happy) {
        QPainterPath mouth;  // a little "ω"
        mouth.moveTo(22.6, t + 20.0);
        mouth.quadTo(23.8, t + 21.9, 25, t + 19.6);
        mouth.quadTo(26.2, t + 21.9, 27.4, t + 20.0);
        p.drawPath(mouth);
    } else {
        QPainterPath mouth;
        const qreal h = face == SealFace::dizzy ? 3.4 : (face == SealFace::surprised ? 3.0 : 2.6);
        mouth.addEllipse(QPointF(25, t + 21.6), face == SealFace::joy ? 2.4 : 1.8, h / 2);
        p.setBrush(QColor(200, 70, 90));
        p.drawPath(mouth);
        if (face == SealFace::dizzy) {  // a wobbly line on the open mouth
            p.setPen(QPen(QColor(255, 170, 180), 0.7));
            p.drawLine(QPointF(24, t + 22.4), QPointF(26, t + 22.4));
        }
    }
}

}  // namespace

void paint_seal(QPainter& p, const SealPose& pose)
{
    const qreal t = pose.top;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (pose.tilt_deg != 0.0) {
        p.translate(25, t + 40);
        p.rotate(pose.tilt_deg);
        p.translate(-25, -(t + 40));
    }
    if (!pose.flippers_up) {
        paint_flipper(p, t, -1, false);
        paint_flipper(p, t, 1, false);
    }
    const QPainterPath body = body_path(t);
    QRadialGradient fur(QPointF(21, t + 12), 34, QPointF(20, t + 9));
    fur.setColorAt(0.0, QColor(255, 255, 255));
    fur.setColorAt(0.45, QColor(246, 248, 252));
    fur.setColorAt(0.8, QColor(214, 222, 234));
    fur.setColorAt(1.0, QColor(186, 196, 214));
    p.setPen(QPen(outline_colour, 1.0));
    p.setBrush(fur);
    p.drawPath(body);
    // a soft fluffy tuft on top of the head
    p.setPen(QPen(outline_colour, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath tuft;
    tuft.moveTo(24, t + 1.4);
    tuft.quadTo(25.5, t - 2.2, 27.6, t - 0.8);
    p.drawPath(tuft);
    // belly shading
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(228, 233, 242));
    p.drawEllipse(QPointF(25, t + 36), 9, 7);
    if (pose.flippers_up) {
        paint_flipper(p, t, -1, true);
        paint_flipper(p, t, 1, true);
    }
    paint_face(p, t, pose.face);
    p.restore();
}

void paint_seal_in_hole(QPainter& p, const SealPose& pose, const HoleGeometry& g)
{
    draw_hole_back(p, g);
    p.save();
    p.setClipPath(rising_clip(g), Qt::IntersectClip);
    paint_seal(p, pose);
    p.restore();
    draw_ripple(p, 15.0, g);
    draw_hole_front(p, g);
}

}  // namespace assetgen
