#pragma once
// The pictures of the icon menu: a glossy round badge with a symbol, in a
// 50 x 50 cell.

#include <QPainter>

namespace assetgen {

enum class IconKind { start, soubi, help, score, config, server, net, tokei, note };

void paint_icon(QPainter& p, IconKind kind);

// The glossy rounded badge alone, in the 50 x 50 cell (3, 3, 44, 44).
void paint_badge(QPainter& p, const QColor& colour);

}  // namespace assetgen
