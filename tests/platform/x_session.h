#pragma once
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

typedef struct _XDisplay Display;

// A private X server (Xvfb) for tests that run the real programs as a user does.
// Keys go through the server (XTest), so focus and keyboard grabs decide who gets
// them, as they do for a user at the keyboard.
class XSession {
public:
    // With `watch` false the test does not connect: the programs it starts are the
    // server's only clients (an X server resets when its last client leaves).
    explicit XSession(bool watch = true);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // False when no Xvfb could be started: the caller's test fails with kNoServer.
    static constexpr const char* kNoServer = "no Xvfb could be started (scripts/setup.sh installs xvfb)";
    bool ok() const { return !name_.isEmpty() && (display_ != nullptr || !watch_); }
    QString display_name() const { return name_; }
    // The test's environment with this display and Qt's X11 platform.
    QProcessEnvironment environment() const;

    // Waits until a mapped top-level window titled `title` is on screen.
    bool wait_for_window(const QString& title, int timeout_ms = 10000);
    bool window_shown(const QString& title);
    // What the first mapped top-level window whose WM_CLASS has the class part `wm_class`
    // shows the desktop; `found` stays false when none is on screen within the time.
    struct WindowFacts {
        bool found = false;
        bool has_icon = false; // _NET_WM_ICON, the picture task bars show
    };
    WindowFacts wait_for_class(const QByteArray& wm_class, int timeout_ms = 10000);
    // Presses and releases a key (an X keysym such as XK_Return), as the keyboard does,
    // while holding `modifier` (such as XK_Control_L) when one is given.
    void press_key(unsigned long keysym, unsigned long modifier = 0);

private:
    QProcess server_;
    QString name_;
    Display* display_ = nullptr;
    bool watch_ = true;
};

// Runs `program` to its end; false when it has not ended within `timeout_ms`
// (it is then killed).
bool wait_for_exit(QProcess& program, int timeout_ms = 10000);
