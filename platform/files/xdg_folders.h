#pragma once
#include <QDir>
#include <QString>

namespace platform {

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
inline QString xdg_data_home()
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    return data.isEmpty() || !QDir::isAbsolutePath(data) ? QDir::homePath() + QStringLiteral("/.local/share") : data;
}

} // namespace platform
