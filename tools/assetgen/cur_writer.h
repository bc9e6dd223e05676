#pragma once
// Windows cursor files (.cur): one 32-bit image with an AND mask.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

namespace assetgen {

// The bytes of a .cur file holding `image` (any size up to 256 x 256) with
// the given hot spot. Pixels with alpha 0 are transparent in the AND mask.
QByteArray cur_bytes(const QImage& image, QPoint hot_spot);

// Writes cur_bytes() to path; throws std::runtime_error on failure.
void write_cur(const QImage& image, QPoint hot_spot, const QString& path);

}  // namespace assetgen
