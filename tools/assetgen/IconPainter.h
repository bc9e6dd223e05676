#pragma once
// The pictures of the icon menu: a glossy round badge with a symbol, in a
// 50 x 50 cell.

#include <QPainter>

namespace assetgen {

enum class IconKind { start, soubi, help, score, config, server, net, tokei, note };

void paint_icon(QPainter& p, IconKind kind);

}  // namespace assetgen
