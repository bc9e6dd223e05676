#pragma once
#include "desktop_actions.h"
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {

class RunDialog;
class SystemInfoTool;

// Linux desktops: xdg-open for folders, files and addresses; programs started detached,
// never through a shell.
class XdgDesktopActions final : public DesktopActions {
public:
    // `show_system_panel` runs when no system information tool is installed.
    XdgDesktopActions(const SystemInfoTool& tool, std::function<void()> show_system_panel,
                      QWidget* dialog_parent = nullptr);
    ~XdgDesktopActions() override;

    void open_home_folder() override;
    void show_run_dialog() override;
    void show_system_properties() override;

    // False when nothing could be started.
    static bool open(const QString& path_or_address);
    static bool start(const QString& program, const QStringList& arguments);

    RunDialog* run_dialog() const { return dialog_; }

private:
    const SystemInfoTool& tool_;
    std::function<void()> show_system_panel_;
    QWidget* dialog_parent_;
    QPointer<RunDialog> dialog_;
};

} // namespace platform
