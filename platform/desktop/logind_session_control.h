#pragma once
#include "session_control.h"
#include <QString>

class QDBusPendingCallWatcher;

namespace platform {

// systemd-logind over the system bus: CanPowerOff / CanReboot, then PowerOff / Reboot with
// interactive authorisation. Lives in its own library, linked into the game only.
class LogindSessionControl final : public SessionControl {
    Q_OBJECT
public:
    using SessionControl::SessionControl;
    void request(Action action) override;

    // logind's answer to CanPowerOff / CanReboot that lets us go on.
    static bool allows(const QString& answer);

private:
    void call(const QString& method, const QVariantList& args, Action action,
              void (LogindSessionControl::*next)(QDBusPendingCallWatcher*, Action));
    void after_can(QDBusPendingCallWatcher* watcher, Action action);
    void after_do(QDBusPendingCallWatcher* watcher, Action action);
};

} // namespace platform
