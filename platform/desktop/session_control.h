#pragma once
#include <QObject>

namespace platform {

// Powering off and restarting the machine. Asynchronous: the caller's window keeps
// running while the system asks the user for permission.
class SessionControl : public QObject {
    Q_OBJECT
public:
    enum class Action { PowerOff, Reboot };
    Q_ENUM(Action)

    using QObject::QObject;
    ~SessionControl() override = default;

    // Asks whether the action is allowed, then asks for it; `failed` follows when either is refused.
    virtual void request(Action action) = 0;

signals:
    void failed(platform::SessionControl::Action action);
};

} // namespace platform
