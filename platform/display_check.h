#pragma once

namespace platform {

// The exit code of a program that finds no display to open its windows on.
constexpr int kNoDisplayExitCode = 1;

// To be asked before the QApplication is made. True when the window system Qt
// will use (QT_QPA_PLATFORM or -platform, X11 by default) can be reached. When it
// cannot, one line naming the program and the display goes to stderr and the
// answer is false: the program then ends with kNoDisplayExitCode rather than in
// Qt's abort.
bool display_reachable(int argc, char* argv[]);

} // namespace platform
