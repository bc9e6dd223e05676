#include "logind_session_control.h"
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
constexpr int kAuthorisationWaitMs = 30 * 60 * 1000; // the user may think a while

QString verb(SessionControl::Action action)
{
    return action == SessionControl::Action::PowerOff ? QStringLiteral("PowerOff") : QStringLiteral("Reboot");
}

} // namespace

bool LogindSessionControl::allows(const QString& answer)
{
    return answer == QLatin1String("yes") || answer == QLatin1String("challenge");
}

void LogindSessionControl::request(Action action)
{
    call(QStringLiteral("Can") + verb(action), {}, action, &LogindSessionControl::after_can);
}

void LogindSessionControl::call(const QString& method, const QVariantList& args, Action action,
                                void (LogindSessionControl::*next)(QDBusPendingCallWatcher*, Action))
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        emit failed(action);
        return;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kManager, method);
    message.setArguments(args);
    message.setInteractiveAuthorizationAllowed(true);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, kAuthorisationWaitMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, next, action](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        (this->*next)(w, action);
    });
}

void LogindSessionControl::after_can(QDBusPendingCallWatcher* watcher, Action action)
{
    const QDBusPendingReply<QString> reply = *watcher;
    if (reply.isError() || !allows(reply.value())) {
        emit failed(action);
        return;
    }
    call(verb(action), {QVariant(true)}, action, &LogindSessionControl::after_do);
}

void LogindSessionControl::after_do(QDBusPendingCallWatcher* watcher, Action action)
{
    if (watcher->isError())
        emit failed(action);
}

} // namespace platform
