#include "clock_face.h"
#include "platform/text/legacy/rounding.h"
#include <cmath>

namespace {

int red_part(int s)
{
    return static_cast<int>(legacy::round_half_even(s * 255.0 / 60.0));
}

} // namespace

QPoint ClockFace::dot_position(int s)
{
    const double a = s * 6.0;
    const double r = a / 180.0 * 3.14;
    const double x = std::cos(r) * kDotRadius + kCentre.x();
    const double y = std::sin(-r) * kDotRadius + kCentre.y();
    return {static_cast<int>(legacy::round_half_even(x)), static_cast<int>(legacy::round_half_even(y))};
}

QRgb ClockFace::circle_colour(int s)
{
    return qRgb(red_part(s), 255, 0);
}

QRgb ClockFace::dot_colour(int s)
{
    const int blue = static_cast<int>(legacy::round_half_even(255.0 - s * 255.0 / 60.0));
    return qRgb(red_part(s), s, blue);
}
