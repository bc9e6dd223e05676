#include "paint_kit.h"

#include <QtMath>

namespace assetgen {

QPainterPath star_path(QPointF centre, qreal outer, qreal inner, int points, qreal rot_deg)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = qDegreesToRadians(rot_deg - 90.0 + i * 180.0 / points);
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void draw_twinkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star_path(centre, radius, radius * 0.28, 4));
    p.restore();
}

QRadialGradient ball_gradient(QPointF centre, qreal radius, const QColor& light, const QColor& dark)
{
    QRadialGradient g(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.4));
    g.setColorAt(0.0, light);
    g.setColorAt(0.55, mix(light, dark, 0.35));
    g.setColorAt(1.0, dark);
    return g;
}

QFont bold_font(int pixel_size, bool japanese)
{
    QFont f(japanese ? QStringLiteral("IPAPGothic") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixel_size);
    f.setBold(true);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void outlined_text(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                   const QBrush& fill, const QColor& outline, qreal outline_width)
{
    const QFontMetricsF fm(font);
    const QRectF tight = fm.tightBoundingRect(text);
    const QPointF origin(box.center().x() - tight.center().x(), box.center().y() - tight.center().y());
    QPainterPath path;
    path.addText(origin, font, text);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(outline, outline_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

QPainterPath fluffy_ellipse(QPointF centre, qreal rx, qreal ry, qreal bump, int bumps, qreal phase)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    for (int i = 0; i < bumps; ++i) {
        const qreal a = phase + 2 * M_PI * i / bumps;
        const QPointF at(centre.x() + rx * qCos(a), centre.y() + ry * qSin(a));
        const qreal r = bump * (0.85 + 0.3 * ((i * 7) % 5) / 4.0);
        QPainterPath b;
        b.addEllipse(at, r, r);
        path = path.united(b);
    }
    return path.simplified();
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

}  // namespace assetgen
