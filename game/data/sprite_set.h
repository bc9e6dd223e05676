#pragma once
#include "platform/ui/surface.h"
#include <QString>
#include <array>

// The sprite holders pic(0..14) and the count-down pictures, loaded once.
struct SpriteSet {
    static constexpr int kHolders = 15;

    std::array<platform::Surface, kHolders> pic;
    std::array<platform::Surface, 4> count_pic; // GO, 1, 2, 3

    // Loads every bitmap from `bmp_dir`. On failure returns the full path of the
    // first file that is missing or unreadable; on success an empty string.
    QString load(const QString& bmp_dir);

    // The transparent colour of holder i: its top-left pixel.
    QRgb key(int i) const { return pic[i].pixel(0, 0); }
};

// Reads a picture file; a null image when it is missing or not a picture.
QImage load_picture(const QString& path);
