#pragma once
#include <QByteArray>

namespace platform {

// The display variables of the session a program starts in; an empty value is an unset one.
struct DisplayEnvironment {
    QByteArray qt_qpa_platform;  // QT_QPA_PLATFORM: the user's own choice of Qt platform
    QByteArray wayland_display;  // WAYLAND_DISPLAY
    QByteArray display;          // DISPLAY: an X server, on Wayland the XWayland one
};

// The Qt platform the programs should ask for, or empty for Qt's own choice. Our windows stand
// at absolute positions (the splash, the desktop text, dialogs against the main window, the
// clock), which a Wayland compositor does not grant its clients; through XWayland they do.
// A platform the user named is never overridden.
QByteArray preferred_qt_platform(const DisplayEnvironment& env);

// Applies preferred_qt_platform to this process's environment. Call it first thing in main(),
// before the QApplication exists; a "-platform" argument still wins over it.
void prefer_xwayland();

} // namespace platform
