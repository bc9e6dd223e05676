#pragma once
// The white yeti, the decoy: a fluffy white snow creature with a pale blue
// face and a cheeky grin, in the 50-pixel-wide coordinates of a board cell.

#include <QPainter>

#include "hole_painter.h"

namespace assetgen {

enum class YetiFace { grin, laugh };

struct YetiPose {
    qreal top = 4.0;
    YetiFace face = YetiFace::grin;
    bool arms_up = false;
};

void paint_yeti(QPainter& p, const YetiPose& pose);

// The hole with the yeti standing in it.
void paint_yeti_in_hole(QPainter& p, const YetiPose& pose, const HoleGeometry& g = {});

}  // namespace assetgen
