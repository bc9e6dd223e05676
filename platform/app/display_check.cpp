#include "display_check.h"
#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <cstdio>
#include <xcb/xcb.h>

namespace platform {
namespace {

// The value after `option` on the command line, as Qt would take it.
QByteArray option_value(int argc, char* argv[], const char* option)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], option) == 0 || (argv[i][0] == '-' && qstrcmp(argv[i] + 1, option) == 0))
            return argv[i + 1];
    return {};
}

// An open connection when the X server answers, else nullptr.
xcb_connection_t* connect_x_server(const QByteArray& display)
{
    xcb_connection_t* connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    if (xcb_connection_has_error(connection) == 0)
        return connection;
    xcb_disconnect(connection);
    return nullptr;
}

bool wayland_socket_exists()
{
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        name = "wayland-0";
    const QByteArray path = name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
    return QFileInfo::exists(QString::fromLocal8Bit(path));
}

} // namespace

DisplayProbe::DisplayProbe(int argc, char* argv[])
{
    QByteArray platforms = option_value(argc, argv, "-platform");
    if (platforms.isEmpty())
        platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        platforms = "xcb";
    QByteArray display = option_value(argc, argv, "-display");
    if (display.isEmpty())
        display = qgetenv("DISPLAY");

    // Qt tries the platforms in turn; one that answers is enough.
    for (const QByteArray& entry : platforms.split(';')) {
        const QByteArray name = entry.split(':').constFirst().trimmed(); // options follow a ':'
        if (name == "xcb")
            reachable_ = (x_connection_ = connect_x_server(display)) != nullptr;
        else if (name.startsWith("wayland"))
            reachable_ = wayland_socket_exists();
        else
            reachable_ = !name.isEmpty(); // offscreen, vnc, a frame buffer: nothing to reach beforehand
        if (reachable_)
            return;
    }
    const QByteArray program = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toUtf8() : "";
    std::fprintf(stderr, "%s: no display to open the window on (platform %s, display \"%s\")\n", program.constData(),
                 platforms.constData(), display.constData());
}

DisplayProbe::~DisplayProbe()
{
    if (x_connection_)
        xcb_disconnect(x_connection_);
}

} // namespace platform
