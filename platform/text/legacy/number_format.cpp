#include "number_format.h"
#include "rounding.h"
#include <charconv>
#include <cstdlib>

namespace legacy {

QString format_thousands(double value)
{
    const int64_t n = round_half_even(value);
    QString digits = QString::number(n < 0 ? -static_cast<uint64_t>(n) : static_cast<uint64_t>(n));
    for (int pos = digits.size() - 3; pos > 0; pos -= 3)
        digits.insert(pos, QLatin1Char(','));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString format_shortest(float value)
{
    if (value == 0.0f)
        return QStringLiteral("0");
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

} // namespace legacy
