#pragma once
#include <QPoint>
#include <QRgb>

// Where the seconds dot goes and what colours the face takes, second by second.
// The dot runs counter-clockwise from the right-hand side (3 o'clock).
class ClockFace {
public:
    static constexpr QPoint kCentre{65, 65};
    static constexpr int kCircleRadius = 55;
    static constexpr int kDotRadius = 60;
    static constexpr int kDotSize = 4;

    // s in 0..59. Angles use 3.14 for pi, halves round to even.
    static QPoint dot_position(int s);
    // Green at second 0, turning yellow towards second 59.
    static QRgb circle_colour(int s);
    static QRgb dot_colour(int s);
};
