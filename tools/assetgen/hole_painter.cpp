#include "hole_painter.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace assetgen {

static QBrush rim_brush(const HoleGeometry& g)
{
    QLinearGradient grad(0, g.centre.y() - g.rim_ry, 0, g.centre.y() + g.rim_ry);
    grad.setColorAt(0.0, QColor(255, 255, 255));
    grad.setColorAt(0.45, QColor(214, 238, 252));
    grad.setColorAt(1.0, QColor(132, 184, 224));
    return grad;
}

static const QColor rim_line(38, 86, 140);

void draw_hole_back(QPainter& p, const HoleGeometry& g)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // rim
    p.setPen(QPen(rim_line, 1.0));
    p.setBrush(rim_brush(g));
    p.drawEllipse(g.centre, g.rim_rx, g.rim_ry);
    // dark water
    QRadialGradient water(g.centre + QPointF(0, g.ry * 0.5), g.rx * 1.1);
    water.setColorAt(0.0, QColor(30, 78, 128));
    water.setColorAt(0.7, QColor(16, 44, 84));
    water.setColorAt(1.0, QColor(8, 24, 52));
    p.setPen(QPen(QColor(20, 50, 90), 0.8));
    p.setBrush(water);
    p.drawEllipse(g.centre, g.rx, g.ry);
    // the far inner wall of the ice
    QPainterPath opening;
    opening.addEllipse(g.centre, g.rx, g.ry);
    QPainterPath lower;
    lower.addEllipse(g.centre + QPointF(0, 2.6), g.rx * 1.02, g.ry);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 150, 200));
    p.drawPath(opening.subtracted(lower));
    // a glint on the water
    p.setBrush(QColor(120, 180, 230));
    p.drawEllipse(g.centre + QPointF(g.rx * 0.35, g.ry * 0.45), g.rx * 0.22, 0.9);
    p.restore();
}

void draw_hole_front(QPainter& p, const HoleGeometry& g)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath ring;
    ring.addEllipse(g.centre, g.rim_rx, g.rim_ry);
    QPainterPath opening;
    opening.addEllipse(g.centre, g.rx, g.ry);
    QPainterPath near_half;
    near_half.addRect(QRectF(g.centre.x() - g.rim_rx - 2, g.centre.y(), 2 * g.rim_rx + 4, g.rim_ry + 2));
    const QPainterPath lip = ring.subtracted(opening).intersected(near_half);
    p.setPen(QPen(rim_line, 1.0));
    p.setBrush(rim_brush(g));
    p.drawPath(lip);
    // snow sparkle on the lip
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(g.centre + QPointF(-g.rx * 0.55, g.ry + 1.0), 2.0, 0.9);
    p.restore();
}

void draw_ripple(QPainter& p, qreal half_width, const HoleGeometry& g)
{
    // Where the figure cuts the water surface.
    const QPointF at = g.centre + QPointF(0, 0.6);
    const qreal rx = half_width + 2.0, ry = 2.4;
    QPainterPath opening;
    opening.addEllipse(g.centre, g.rx, g.ry);
    QPainterPath below;
    below.addRect(QRectF(g.centre.x() - g.rim_rx, at.y(), 2 * g.rim_rx, g.rim_ry + 4));
    QPainterPath cut;
    cut.addEllipse(at, rx, ry);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // water in front of the figure tints what is under it
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 160, 150));
    p.drawPath(opening.intersected(below).subtracted(cut));
    // a bright ring where it meets the water
    p.setClipPath(opening.intersected(below), Qt::IntersectClip);
    p.setPen(QPen(QColor(200, 234, 255), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, rx, ry);
    p.restore();
}

QPainterPath rising_clip(const HoleGeometry& g, qreal width)
{
    QPainterPath clip;
    clip.addRect(QRectF(-50, -50, width + 100, g.centre.y() + 50));
    QPainterPath opening;
    opening.addEllipse(g.centre, g.rx, g.ry);
    return clip.united(opening);
}

}  // namespace assetgen
