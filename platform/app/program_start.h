#pragma once
#include "display_check.h"
#include "platform/program_identity.h"
#include <optional>

class QApplication;

namespace platform {

// The start of every window program of the suite, in two steps around its QApplication:
//
//     platform::ProgramStart start(argc, argv, who);
//     if (const auto code = start.exit_code())
//         return *code;
//     QApplication app(argc, argv);
//     start.setup(app);
//
// Made first in main(): answers --help and --version (exit code 0, no window), prefers
// XWayland (display_platform.h) and checks the display (display_check.h; keep the start
// alive until the QApplication is made).
class ProgramStart {
public:
    ProgramStart(int argc, char* argv[], ProgramIdentity who);

    // Set when the program ends here: after --help or --version, or without a display.
    std::optional<int> exit_code() const { return exit_code_; }

    // Right after the QApplication: the names the desktop knows the program by (the class
    // of its windows and its menu entry are both `desktop_id`), its version, its window
    // icon from the program folder and the Japanese dialogs and font.
    void setup(QApplication& app) const;

private:
    ProgramIdentity who_;
    std::optional<int> exit_code_;
    std::optional<DisplayProbe> display_;
};

} // namespace platform
