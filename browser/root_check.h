#pragma once
#include <QByteArray>
#include <QString>

// The web engine's sandbox does not run for root, and the engine then ends the
// process on its own. Started as root, the browser says so and stops instead,
// unless the sandbox was switched off on purpose (QTWEBENGINE_DISABLE_SANDBOX=1,
// or --no-sandbox in QTWEBENGINE_CHROMIUM_FLAGS); the window then says for as
// long as it runs that it runs without the sandbox.
namespace root_check {

// Empty when the engine can start; otherwise the message to show.
QString refusal(bool running_as_root, const QByteArray& disable_sandbox, const QByteArray& chromium_flags);

// The same for this process and its environment.
QString refusal_for_this_process();

// Whether the engine's sandbox was switched off by one of those two.
bool sandbox_off(const QByteArray& disable_sandbox, const QByteArray& chromium_flags);
bool sandbox_off_for_this_process();

} // namespace root_check
