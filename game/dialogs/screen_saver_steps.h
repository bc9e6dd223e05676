#pragma once
#include "platform/random.h"
#include <QPoint>
#include <QRgb>
#include <QSize>

// One tick of the screen saver: now and then a clean screen, then one circle of
// a random colour somewhere on it.
struct ScreenSaverStep {
    bool clear = false;
    QPoint centre;
    int radius = 0;
    QRgb colour = 0;

    // Seven numbers per tick: clear, x, y, radius, red, green, blue.
    static ScreenSaverStep next(platform::Random& random, QSize screen_pixels);
};
