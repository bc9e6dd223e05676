#include "as_nobody.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <pwd.h>
#include <unistd.h>

QString run_as_nobody(const QStringList& arguments, const QString& passed_line)
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        return QStringLiteral("no setpriv (util-linux) to run the case as nobody");
    const passwd* nobody = getpwnam("nobody");
    if (!nobody)
        return QStringLiteral("this system has no user nobody to run the case as");

    // Folders of its own: everything the child writes goes there, and goes with it.
    QTemporaryDir dir;
    if (!dir.isValid())
        return QStringLiteral("no temporary folder: ") + dir.errorString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = dir.filePath(QStringLiteral("home"));
    const std::pair<const char*, QString> folders[] = {
        {"HOME", home},
        {"XDG_DATA_HOME", home + QStringLiteral("/data")},
        {"XDG_CONFIG_HOME", home + QStringLiteral("/config")},
        {"XDG_CACHE_HOME", home + QStringLiteral("/cache")},
        {"XDG_RUNTIME_DIR", home + QStringLiteral("/runtime")},
        {"TMPDIR", home + QStringLiteral("/tmp")},
    };
    for (const auto& [name, path] : folders) {
        env.insert(QString::fromLatin1(name), path);
        if (!QDir().mkpath(path))
            return QStringLiteral("cannot make ") + path;
    }
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); // as XDG wants it
    QStringList owned{dir.path()};
    for (const auto& [name, path] : folders)
        owned << path;
    for (const QString& path : owned) {
        if (::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
            return QStringLiteral("cannot give ") + path + QStringLiteral(" to nobody");
    }

    // The child runs a copy of this program in its own folder: the build tree may lie inside a
    // folder that only root may enter (a clone under /root), where nobody could not start it.
    const QString program = dir.filePath(QStringLiteral("test_program"));
    if (!QFile::copy(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(), program)
        || !QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther))
        return QStringLiteral("cannot copy the test program to ") + program;
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(home);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, QStringList{QStringLiteral("--reuid=") + QString::number(nobody->pw_uid),
                                     QStringLiteral("--regid=") + QString::number(nobody->pw_gid),
                                     QStringLiteral("--clear-groups"), QStringLiteral("--"), program}
                             + arguments);
    const bool ended = child.waitForFinished(240000);
    if (!ended)
        child.kill();
    child.waitForFinished();
    const QString output = QString::fromLocal8Bit(child.readAll());
    const QString said = QStringLiteral("\n--- ") + program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '))
                         + QStringLiteral(", as nobody:\n") + output;
    if (!ended)
        return QStringLiteral("the case as nobody did not end within four minutes") + said;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        QString why = QStringLiteral("the case as nobody failed (exit code %1)").arg(child.exitCode());
        return why + said;
    }
    const QRegularExpression skipped(QStringLiteral("^SKIP   : |^\\[  SKIPPED \\]"),
                                     QRegularExpression::MultilineOption);
    if (output.contains(skipped))
        return QStringLiteral("the case as nobody was skipped") + said;
    if (!output.contains(QRegularExpression(passed_line, QRegularExpression::MultilineOption)))
        return QStringLiteral("the case as nobody did not report a pass") + said;
    return {};
}
