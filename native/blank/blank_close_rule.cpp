#include "blank_close_rule.h"
#include <cstdlib>

bool BlankCloseRule::on_move(int x, int y)
{
    // The position arrives as two unsigned 16-bit halves.
    const int32_t ux = static_cast<uint16_t>(x);
    const int32_t uy = static_cast<uint16_t>(y);
    const auto dx = static_cast<int16_t>(std::abs(start_x_ - ux));
    const auto dy = static_cast<int16_t>(std::abs(start_y_ - uy));
    ++move_count_;
    return move_count_ > 6 && dx > 6 && dy > 6;
}
