#pragma once
#include <QString>

namespace assetgen {

// Every picture of bmp_dir scaled up three times on the game window's
// blue-to-cyan background, key colour shown as transparent.
void write_contact_sheet(const QString& bmp_dir, const QString& out_png);

}  // namespace assetgen
