#pragma once
// The ice hole the seal and the yeti come out of, in a 50 x 50 cell.

#include <QPainter>
#include <QPainterPath>

namespace assetgen {

struct HoleGeometry {
    QPointF centre{25.0, 40.0};
    qreal rx = 19.0;      // open water
    qreal ry = 6.0;
    qreal rim_rx = 23.5;  // icy rim around it
    qreal rim_ry = 9.0;
};

// The whole empty hole: rim, inner wall and dark water.
void draw_hole_back(QPainter& p, const HoleGeometry& g = {});

// The near half of the rim, drawn over whatever stands in the hole.
void draw_hole_front(QPainter& p, const HoleGeometry& g = {});

// Rings on the water around something of the given half width standing in it.
void draw_ripple(QPainter& p, qreal half_width, const HoleGeometry& g = {});

// Where a figure rising out of the hole can be seen: above the water line,
// and inside the opening.
QPainterPath rising_clip(const HoleGeometry& g = {}, qreal width = 50.0);

}  // namespace assetgen
