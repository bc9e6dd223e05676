#pragma once
#include <QString>
#include <optional>

namespace platform {

// The prefix of every desktop entry of the suite: the maker's home, zorvik.example.com, reversed.
inline constexpr char kDesktopIdPrefix[] = "com.example.zorvik.";

// Who a program of the suite is, for the command line and for the desktop.
struct ProgramIdentity {
    QString product;    // its name as users know it: "ミポぽかん｡2000"
    QString version;    // major.minor.revision
    QString summary;    // one line for --help
    QString desktop_id; // its menu entry's file name without ".desktop"; empty for a program without windows
    QString icon_file;  // its window icon in the program folder; empty for none
};

// "com.example.zorvik.<name>"
QString desktop_id(const char* name);

// The running program, as ProgramStart::setup() names it (for what names the program to
// other services, such as its sound stream); every field empty before that.
const ProgramIdentity& this_program();
void set_this_program(const ProgramIdentity& who);

// What a command-line program on Linux answers to --help and --version, on standard
// output: a short usage, or the program's file name, product name and version. The
// exit code 0 when argv holds either option (before any "--"), nothing otherwise.
// Needs no display and no QCoreApplication: call it first thing in main().
std::optional<int> answer_help_or_version(int argc, char* argv[], const ProgramIdentity& who);

} // namespace platform
