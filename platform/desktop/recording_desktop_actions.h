#pragma once
#include "desktop_actions.h"
#include <QStringList>

namespace platform {

// Writes down which desktop tool was asked for.
class RecordingDesktopActions final : public DesktopActions {
public:
    QStringList calls; // "home", "run", "system"

    void open_home_folder() override { calls.append(QStringLiteral("home")); }
    void show_run_dialog() override { calls.append(QStringLiteral("run")); }
    void show_system_properties() override { calls.append(QStringLiteral("system")); }
};

} // namespace platform
