#include "program_start.h"
#include "display_platform.h"
#include "platform/ui/japanese_ui.h"
#include "platform/files/program_folder.h"
#include <QApplication>
#include <QIcon>

namespace platform {

ProgramStart::ProgramStart(int argc, char* argv[], ProgramIdentity who) : who_(std::move(who))
{
    exit_code_ = answer_help_or_version(argc, argv, who_);
    if (exit_code_)
        return;
    prefer_xwayland(); // windows are placed where they belong only through XWayland
    display_.emplace(argc, argv);
    if (!display_->reachable())
        exit_code_ = kNoDisplayExitCode;
}

void ProgramStart::setup(QApplication& app) const
{
    // On X11 the application name is the class part of every window's WM_CLASS, which docks
    // and task bars match against the entry's StartupWMClass; on Wayland the desktop file
    // name is the window's app id.
    QApplication::setApplicationName(who_.desktop_id);
    QApplication::setApplicationVersion(who_.version);
    QGuiApplication::setDesktopFileName(who_.desktop_id);
    set_this_program(who_);
    if (!who_.icon_file.isEmpty())
        QApplication::setWindowIcon(QIcon(program_folder() + who_.icon_file));
    setup_japanese_ui(app);
}

} // namespace platform
