#include "game_dialogs.h"
#include "platform/desktop/run_dialog.h"
#include "platform/desktop/xdg_desktop_actions.h"

GameDialogs::GameDialogs()
    : services{&path_tool_, &mounted_drives_,
               [](const QString& program, const QStringList& arguments) {
                   return platform::XdgDesktopActions::start(program, arguments);
               }}
{
}
