#include "program_identity.h"
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace platform {

QString desktop_id(const char* name)
{
    return QString::fromLatin1(kDesktopIdPrefix) + QString::fromLatin1(name);
}

namespace {
ProgramIdentity& running()
{
    static ProgramIdentity who;
    return who;
}
} // namespace

const ProgramIdentity& this_program()
{
    return running();
}

void set_this_program(const ProgramIdentity& who)
{
    running() = who;
}

std::optional<int> answer_help_or_version(int argc, char* argv[], const ProgramIdentity& who)
{
    const QString file = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() : who.product;
    QString answer;
    for (int i = 1; i < argc && answer.isEmpty(); ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (std::strcmp(argv[i], "--version") == 0)
            answer = QStringLiteral("%1 (%2) %3\n").arg(file, who.product, who.version);
        else if (std::strcmp(argv[i], "--help") == 0)
            answer = QStringLiteral("Usage: %1 [--help | --version]\n"
                                    "%2\n"
                                    "\n"
                                    "  --help     show this help and exit\n"
                                    "  --version  show the name and version and exit\n")
                         .arg(file, who.summary);
    }
    if (answer.isEmpty())
        return std::nullopt;
    const QByteArray bytes = answer.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout)
                             == static_cast<size_t>(bytes.size())
                         && std::fflush(stdout) == 0;
    return written ? 0 : 1; // like any command-line program, a full disk or a closed pipe is a failure
}

} // namespace platform
