#pragma once
// GIF files through giflib: Qt reads GIFs but cannot write them.

#include <QImage>
#include <QString>

namespace assetgen {

// Writes `image` as a GIF89a with at most 256 colours (Qt's own palette
// reduction, no dithering, so the output is the same on every build).
// Throws std::runtime_error on failure.
void write_gif(const QImage& image, const QString& path);

}  // namespace assetgen
