#pragma once
#include <QString>
#include <optional>

// The board's geometry: nine 50 x 50 holes, numbered 0..8 row by row from the
// top left, in the board's own pixels.
class MouseCls {
public:
    static constexpr int kHoles = 9;
    static constexpr int kCell = 50;

    // The hole containing (x, y), or -1. Grid lines belong to no hole.
    static int mouse_index(float x, float y);

    // The corner of hole i; empty for a number outside 0..8.
    static std::optional<int> mipo_x(int i);
    static std::optional<int> mipo_y(int i);

    // The debug caption that goes with a mouse_index call: "click x y index12 34 0".
    static QString click_caption(float x, float y, int index);
};
