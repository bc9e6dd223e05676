#pragma once
#include <QString>

namespace legacy {

// A fixed-length string field: cut to `length` characters or filled with blanks.
inline QString fixed_length(const QString& text, int length)
{
    if (text.size() >= length)
        return text.left(length);
    return text + QString(length - text.size(), QLatin1Char(' '));
}

} // namespace legacy
