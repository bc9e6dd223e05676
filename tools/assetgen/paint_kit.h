#pragma once
// Small drawing helpers shared by the picture painters.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace assetgen {

// A star with `points` tips, the first pointing up (turned by rot_deg).
QPainterPath star_path(QPointF centre, qreal outer, qreal inner, int points = 5, qreal rot_deg = 0);

// A four-pointed twinkle.
void draw_twinkle(QPainter& p, QPointF centre, qreal radius, const QColor& colour);

// A soft ball shading: light at the upper left, darker towards the rim.
QRadialGradient ball_gradient(QPointF centre, qreal radius, const QColor& light, const QColor& dark);

// A bold font of the given pixel size; Japanese text gets a Japanese face.
QFont bold_font(int pixel_size, bool japanese = false);

// Text with a thick outline behind it, centred in `box`.
void outlined_text(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                   const QBrush& fill, const QColor& outline, qreal outline_width);

// A cloud-like fluffy outline: bumps of radius `bump` around an ellipse.
QPainterPath fluffy_ellipse(QPointF centre, qreal rx, qreal ry, qreal bump, int bumps, qreal phase = 0);

// Linear interpolation of two colours.
QColor mix(const QColor& a, const QColor& b, qreal t);

}  // namespace assetgen
