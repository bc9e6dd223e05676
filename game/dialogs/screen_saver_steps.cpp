#include "screen_saver_steps.h"

namespace {

constexpr int kTwipsPerPixel = 15;

int whole(double v) { return static_cast<int>(v); } // the integer part of a number >= 0

} // namespace

ScreenSaverStep ScreenSaverStep::next(platform::Random& random, QSize screen)
{
    ScreenSaverStep s;
    s.clear = whole(random.next() * 100) == 0;
    // The screen's size in twips over 14 and 16: the circles stray a little past its right edge.
    s.centre.setX(whole(random.next() * screen.width() * kTwipsPerPixel / 14.0));
    s.centre.setY(whole(random.next() * screen.height() * kTwipsPerPixel / 16.0));
    s.radius = whole(random.next() * 100);
    const int red = whole(random.next() * 256);
    const int green = whole(random.next() * 256);
    const int blue = whole(random.next() * 256);
    s.colour = qRgb(red, green, blue);
    return s;
}
