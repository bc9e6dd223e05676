#pragma once
#include <QCoreApplication>
#include <QString>

namespace platform {

// The folder of the running executable, with a trailing "/": every program of the
// suite keeps its data files next to itself.
inline QString program_folder()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

} // namespace platform
