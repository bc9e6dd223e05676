#pragma once
// Colour-keyed pictures: the game treats the colour of a sprite's top-left
// pixel as transparent, so every sprite is drawn antialiased on a clear
// canvas and then snapped to "fully opaque" or "exactly the key".

#include <QImage>
#include <QString>

namespace assetgen {

inline constexpr QRgb key_colour = 0xffff00ff;  // magenta

// A clear ARGB canvas to paint on.
QImage new_canvas(int width, int height);

// Pixels with alpha >= 128 become opaque in their own (un-premultiplied)
// colour, all others the key. Opaque colours that come close to the key are
// pushed away from it, so nothing can be mistaken for it.
QImage keyed(const QImage& canvas, QRgb key = key_colour);

// True when c is not the key but would read as nearly the same colour.
bool near_key(QRgb c, QRgb key = key_colour);

// Drops any alpha and writes a 24-bit BMP; throws std::runtime_error on failure.
void save_bmp(const QImage& image, const QString& path);

// Writes an image in the format its suffix names; throws on failure.
void save_picture(const QImage& image, const QString& path, int quality = -1);

}  // namespace assetgen
