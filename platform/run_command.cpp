#include "run_command.h"
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace platform {
namespace {

QString expand_home(const QString& text)
{
    if (text == QLatin1String("~"))
        return QDir::homePath();
    if (text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

bool is_address(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://\\S"));
    static const QRegularExpression mail(QStringLiteral("^mailto:\\S"), QRegularExpression::CaseInsensitiveOption);
    return scheme.match(text).hasMatch() || mail.match(text).hasMatch();
}

} // namespace

RunCommand RunCommand::parse(const QString& text)
{
    RunCommand command;
    const QString line = text.trimmed();
    if (line.isEmpty())
        return command;
    if (is_address(line)) {
        command.kind = Kind::Open;
        command.target = line;
        return command;
    }
    if (line.startsWith(QLatin1String("www."), Qt::CaseInsensitive) && !line.contains(QLatin1Char(' '))) {
        command.kind = Kind::Open;
        command.target = QStringLiteral("http://") + line;
        return command;
    }
    const QString path = expand_home(line);
    const QFileInfo info(path);
    if (QDir::isAbsolutePath(path) && info.exists()) {
        if (info.isFile() && info.isExecutable()) {
            command.kind = Kind::Start;
            command.program = path;
        } else {
            command.kind = Kind::Open;
            command.target = path;
        }
        return command;
    }
    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty())
        return command;
    command.kind = Kind::Start;
    command.program = expand_home(words.takeFirst());
    command.arguments = words;
    return command;
}

} // namespace platform
