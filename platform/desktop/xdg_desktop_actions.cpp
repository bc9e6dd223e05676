#include "xdg_desktop_actions.h"
#include "run_dialog.h"
#include "system_info_tool.h"
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

XdgDesktopActions::XdgDesktopActions(const SystemInfoTool& tool, std::function<void()> show_system_panel,
                                     QWidget* dialog_parent)
    : tool_(tool), show_system_panel_(std::move(show_system_panel)), dialog_parent_(dialog_parent)
{
}

XdgDesktopActions::~XdgDesktopActions()
{
    if (dialog_ && !dialog_->parent())
        delete dialog_.data();
}

bool XdgDesktopActions::open(const QString& path_or_address)
{
    const QString xdg_open = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !xdg_open.isEmpty() && QProcess::startDetached(xdg_open, {path_or_address});
}

bool XdgDesktopActions::start(const QString& program, const QStringList& arguments)
{
    return !program.isEmpty() && QProcess::startDetached(program, arguments, QDir::homePath());
}

void XdgDesktopActions::open_home_folder()
{
    open(QDir::homePath());
}

void XdgDesktopActions::show_run_dialog()
{
    if (!dialog_)
        dialog_ = new RunDialog([](const RunCommand& c) {
            return c.kind == RunCommand::Kind::Open ? open(c.target) : start(c.program, c.arguments);
        }, dialog_parent_);
    dialog_->show_fresh();
}

void XdgDesktopActions::show_system_properties()
{
    const auto tool = tool_.find();
    if (tool && start(tool->program, tool->arguments))
        return;
    if (show_system_panel_)
        show_system_panel_();
}

} // namespace platform
