#pragma once

struct xcb_connection_t;

namespace platform {

// The exit code of a program that finds no display to open its windows on.
constexpr int kNoDisplayExitCode = 1;

// Made before the QApplication: tries the window system Qt will use
// (QT_QPA_PLATFORM or -platform, X11 by default). When it cannot be reached, one
// line naming the program and the display goes to stderr and reachable() is
// false: the program then ends with kNoDisplayExitCode rather than in Qt's abort.
// The trial connection stays open for the probe's life (keep it until the
// QApplication is made), because an X server with no client left resets and
// would turn Qt's own connection away for a moment.
class DisplayProbe {
public:
    DisplayProbe(int argc, char* argv[]);
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    bool reachable() const { return reachable_; }

private:
    bool reachable_ = false;
    xcb_connection_t* x_connection_ = nullptr;
};

} // namespace platform
