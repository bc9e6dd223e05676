#pragma once
#include <QPoint>

// The about box's icon walk: 3001 units out along one of three directions and
// 3001 back, so that it ends where it started. Several walks may run at once;
// each returns the icon by the distance it moved.
class IconWander {
public:
    static constexpr int kSteps = 3001;

    enum class Direction { Right, RightDown, Down };
    // round(rnd * 2), halves to even: 0 right, 1 right and down, 2 down.
    static Direction direction_for(double rnd);

    explicit IconWander(Direction direction) : direction_(direction) {}

    // Goes up to `steps` units on; false once the walk is over.
    bool advance(int steps);
    bool finished() const { return done_ == 2 * kSteps; }
    // How far the icon stands from its start, in units.
    QPoint offset() const;

private:
    Direction direction_;
    int done_ = 0; // steps taken, out and back
};
