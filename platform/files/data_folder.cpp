#include "data_folder.h"
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace platform {

bool folder_is_writable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-probe-XXXXXX")));
    return probe.open();
}

QString user_data_folder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(kSuiteDataName) + QLatin1Char('/');
}

QString data_folder(const QString& program_folder, const QStringList& shipped_files)
{
    QString own = program_folder;
    if (!own.endsWith(QLatin1Char('/')))
        own += QLatin1Char('/');
    if (!QFile::exists(own + kPerUserDataMark) && folder_is_writable(own))
        return own;
    const QString user = user_data_folder();
    QDir().mkpath(user);
    for (const QString& name : shipped_files)
        if (!QFile::exists(user + name) && QFile::exists(own + name))
            QFile::copy(own + name, user + name);
    return user;
}

} // namespace platform
