#include "x_session.h"
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <functional>

namespace {

QString window_title(Display* display, Window window)
{
    const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QString title;
    if (XGetWindowProperty(display, window, net_wm_name, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
        XFree(data);
    }
    return title;
}

// Whether a window has the property `name` with a value, of any type.
bool has_property(Display* display, Window window, const char* name)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1, False, AnyPropertyType, &type,
                           &format, &count, &after, &data)
        != Success)
        return false;
    if (data)
        XFree(data);
    return count > 0;
}

// The first mapped window under `window` that `matches`, or 0.
Window find_mapped(Display* display, Window window, const std::function<bool(Window)>& matches)
{
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable && matches(window))
        return window;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i)
        found = find_mapped(display, children[i], matches);
    if (children)
        XFree(children);
    return found;
}

// The class part of WM_CLASS (the part after the instance name).
QByteArray wm_class_of(Display* display, Window window)
{
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return {};
    const QByteArray wm_class(hint.res_class);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return wm_class;
}

int ignore_x_errors(Display*, XErrorEvent*) { return 0; } // windows come and go while we look

} // namespace

XSession::XSession(bool watch) : watch_(watch)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return;
    // Xvfb picks a free display itself and writes its number to our pipe.
    server_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                         QStringLiteral("0"), QStringLiteral("800x600x24"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp")});
    if (!server_.waitForStarted())
        return;
    const QDeadlineTimer deadline(10000);
    QByteArray out;
    while (!out.contains('\n') && !deadline.hasExpired() && server_.state() == QProcess::Running) {
        server_.waitForReadyRead(100);
        out += server_.readAllStandardOutput();
    }
    if (!out.contains('\n'))
        return;
    name_ = QLatin1Char(':') + QString::fromLatin1(out.trimmed());
    if (!watch_)
        return;
    XSetErrorHandler(ignore_x_errors);
    display_ = XOpenDisplay(name_.toLatin1().constData());
}

XSession::~XSession()
{
    if (display_)
        XCloseDisplay(display_);
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished();
    }
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), name_);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    return env;
}

bool XSession::window_shown(const QString& title)
{
    return display_ && find_mapped(display_, DefaultRootWindow(display_),
                                   [&](Window w) { return window_title(display_, w) == title; });
}

XSession::WindowFacts XSession::wait_for_class(const QByteArray& wm_class, int timeout_ms)
{
    const QDeadlineTimer deadline(timeout_ms);
    while (display_) {
        const Window window = find_mapped(display_, DefaultRootWindow(display_),
                                          [&](Window w) { return wm_class_of(display_, w) == wm_class; });
        if (window) {
            return {true, has_property(display_, window, "_NET_WM_ICON")};
        }
        if (deadline.hasExpired())
            break;
        QTest::qWait(50);
    }
    return {};
}

bool XSession::wait_for_window(const QString& title, int timeout_ms)
{
    const QDeadlineTimer deadline(timeout_ms);
    while (!window_shown(title)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

void XSession::press_key(unsigned long keysym, unsigned long modifier)
{
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    const KeyCode held = modifier ? XKeysymToKeycode(display_, modifier) : 0;
    if (held)
        XTestFakeKeyEvent(display_, held, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (held)
        XTestFakeKeyEvent(display_, held, False, CurrentTime);
    XSync(display_, False);
}

bool wait_for_exit(QProcess& program, int timeout_ms)
{
    if (program.waitForFinished(timeout_ms))
        return true;
    program.kill();
    program.waitForFinished();
    return false;
}
