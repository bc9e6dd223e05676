#include "system_info_tool.h"
#include <QDir>
#include <QStandardPaths>

namespace platform {
namespace {

struct Candidate {
    const char* program;
    QStringList arguments;
};

const Candidate kCandidates[] = {
    {"kinfocenter", {}},
    {"gnome-control-center", {QStringLiteral("info-overview")}},
    {"hardinfo", {}},
    {"hardinfo2", {}},
    {"xfce4-about", {}},
    {"lxqt-about", {}},
};

} // namespace

std::optional<SystemInfoTool::Command> PathSystemInfoTool::find() const
{
    QStringList dirs;
    const QString path = path_.isEmpty() ? qEnvironmentVariable("PATH") : path_;
    for (const QString& dir : path.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir)) // a relative entry would depend on where we were started
            dirs.append(dir);
    if (dirs.isEmpty())
        return std::nullopt;
    for (const Candidate& c : kCandidates) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(c.program), dirs);
        if (!found.isEmpty())
            return Command{found, c.arguments};
    }
    return std::nullopt;
}

} // namespace platform
