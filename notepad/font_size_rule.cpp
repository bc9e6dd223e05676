#include "font_size_rule.h"
#include <QRegularExpression>

double FontSizeRule::leading_number(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
    const auto m = number.match(text);
    if (!m.hasMatch())
        return 0;
    bool ok = false;
    const double v = m.captured(1).toDouble(&ok);
    return ok ? v : 0;
}

FontSizeRule::Result FontSizeRule::apply(const QString& list_text)
{
    const double v = leading_number(list_text);
    if (!(v >= kSmallest && v <= kLargest))
        return {QString::number(kSmallest), double(kSmallest)};
    return {list_text, v};
}
