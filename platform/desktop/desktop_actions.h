#pragma once

namespace platform {

// The desktop's own tools, asked for from the game's menu.
class DesktopActions {
public:
    virtual ~DesktopActions() = default;
    // The home folder in the desktop's file manager.
    virtual void open_home_folder() = 0;
    // Our run dialog ("ファイル名を指定して実行").
    virtual void show_run_dialog() = 0;
    // The desktop's system information tool, or our own system panel when there is none.
    virtual void show_system_properties() = 0;
};

} // namespace platform
