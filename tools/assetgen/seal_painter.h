#pragma once
// ミポ, the baby seal: a round white seal with big shiny eyes, drawn in the
// 50-pixel-wide coordinates of a board cell (centre line x = 25). Scale the
// painter to draw it bigger.

#include <QPainter>

#include "hole_painter.h"

namespace assetgen {

enum class SealFace { happy, joy, dizzy, surprised };

struct SealPose {
    qreal top = 5.0;          // y of the top of the head
    SealFace face = SealFace::happy;
    bool flippers_up = false;  // waving
    qreal tilt_deg = 0.0;      // leaning the whole seal
};

// Just the seal, nothing around it.
void paint_seal(QPainter& p, const SealPose& pose);

// The hole, the seal standing in it up to the water line, ripples, and the
// near rim over its belly.
void paint_seal_in_hole(QPainter& p, const SealPose& pose, const HoleGeometry& g = {});

}  // namespace assetgen
