#include "root_check.h"
#include <QtGlobal>
#include <unistd.h>

namespace root_check {

QString refusal(bool running_as_root, const QByteArray& disable_sandbox, const QByteArray& chromium_flags)
{
    if (!running_as_root || sandbox_off(disable_sandbox, chromium_flags))
        return {};
    // Without the sandbox every page would run with root's rights: no advice to switch it off.
    return QStringLiteral("管理者(root)のままではぴころんを起動できません。\n"
                          "ページを安全に表示するための仕組み（サンドボックス）が root では働かないためです。\n"
                          "一般のユーザで起動してください。");
}

bool sandbox_off(const QByteArray& disable_sandbox, const QByteArray& chromium_flags)
{
    const QByteArray off = disable_sandbox.trimmed();
    return (!off.isEmpty() && off != "0") || chromium_flags.contains("--no-sandbox");
}

bool sandbox_off_for_this_process()
{
    return sandbox_off(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"));
}

QString refusal_for_this_process()
{
    return refusal(::geteuid() == 0, qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"));
}

} // namespace root_check
