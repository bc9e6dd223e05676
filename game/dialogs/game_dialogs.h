#pragma once
#include "sys_info_start.h"
#include "platform/desktop/drive_list.h"
#include "platform/desktop/system_info_tool.h"
#include <QPointer>

class AboutWindow;
class HelpWindow;
class HistoryWindow;
class ScreenServerWindow;
class SelectbitWindow;
class SettingDialog;
class SoubiDialog;
class ZorvikWindow;

// The main window's dialogs and extra windows, made when first opened. A window
// that unloads itself when closed (skin chooser, help, about, maker) leaves its
// pointer empty, so the next opening makes it afresh.
struct GameDialogs {
    // What the dialogs take from the desktop; real ones unless a test sets others.
    struct Services {
        const platform::SystemInfoTool* info_tool;
        const platform::DriveList* drives;
        ProgramStart start_program;
    };

    GameDialogs();

    Services services;
    QPointer<SettingDialog> setting;
    QPointer<SoubiDialog> soubi;
    QPointer<SelectbitWindow> selectbit;
    QPointer<HelpWindow> help;
    QPointer<AboutWindow> about;
    QPointer<ZorvikWindow> zorvik;
    QPointer<HistoryWindow> history;
    QPointer<ScreenServerWindow> screen_server;

private:
    platform::PathSystemInfoTool path_tool_;
    platform::MountedDriveList mounted_drives_;
};
