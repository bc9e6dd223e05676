#include "root_check.h"
#include <QtGlobal>
#include <unistd.h>

namespace root_check {

QString refusal(bool running_as_root, const QByteArray& disable_sandbox, const QByteArray& chromium_flags)
{
    if (!running_as_root)
        return {};
    const QByteArray off = disable_sandbox.trimmed();
    if ((!off.isEmpty() && off != "0") || chromium_flags.contains("--no-sandbox"))
        return {};
    return QStringLiteral(
        "管理者(root)のままではぴころんを起動できません。\n"
        "一般のユーザで起動してください。\n"
        "どうしても root で動かすときは、サンドボックスを切って "
        "QTWEBENGINE_DISABLE_SANDBOX=1 を設定してから起動してください。");
}

QString refusal_for_this_process()
{
    return refusal(::geteuid() == 0, qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"));
}

} // namespace root_check
