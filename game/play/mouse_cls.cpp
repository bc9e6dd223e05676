#include "mouse_cls.h"
#include "platform/text/legacy/number_format.h"

namespace {

// 0, 1 or 2 for a coordinate strictly inside a band, else -1.
int band(float v)
{
    for (int k = 0; k < 3; ++k)
        if (v > k * MouseCls::kCell && v < (k + 1) * MouseCls::kCell)
            return k;
    return -1;
}

} // namespace

int MouseCls::mouse_index(float x, float y)
{
    const int row = band(y);
    if (row < 0)
        return -1;
    const int column = band(x);
    if (column < 0)
        return -1;
    return 3 * row + column;
}

std::optional<int> MouseCls::mipo_x(int i)
{
    if (i < 0 || i >= kHoles)
        return std::nullopt;
    return (i % 3) * kCell;
}

std::optional<int> MouseCls::mipo_y(int i)
{
    if (i < 0 || i >= kHoles)
        return std::nullopt;
    return (i / 3) * kCell;
}

QString MouseCls::click_caption(float x, float y, int index)
{
    return QStringLiteral("click x y index") + legacy::format_shortest(x) + QLatin1Char(' ')
        + legacy::format_shortest(y) + QLatin1Char(' ') + QString::number(index);
}
