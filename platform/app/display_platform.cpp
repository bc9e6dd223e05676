#include "display_platform.h"
#include <QtGlobal>

namespace platform {

QByteArray preferred_qt_platform(const DisplayEnvironment& env)
{
    if (!env.qt_qpa_platform.isEmpty())
        return {};
    if (env.wayland_display.isEmpty() || env.display.isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

void prefer_xwayland()
{
    const QByteArray platform = preferred_qt_platform({qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                                                       qgetenv("DISPLAY")});
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace platform
