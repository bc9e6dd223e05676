#include "icon_wander.h"
#include "platform/text/legacy/rounding.h"
#include <algorithm>

IconWander::Direction IconWander::direction_for(double rnd)
{
    switch (legacy::round_half_even(rnd * 2)) {
    case 0:
        return Direction::Right;
    case 1:
        return Direction::RightDown;
    default:
        return Direction::Down;
    }
}

bool IconWander::advance(int steps)
{
    done_ = std::min(done_ + std::max(steps, 0), 2 * kSteps);
    return !finished();
}

QPoint IconWander::offset() const
{
    const int out = done_ <= kSteps ? done_ : 2 * kSteps - done_;
    const int dx = direction_ == Direction::Down ? 0 : 1;
    const int dy = direction_ == Direction::Right ? 0 : 1;
    return QPoint(dx * out, dy * out);
}
