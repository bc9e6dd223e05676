#include "download_rules.h"
#include "platform/clock.h"
#include <QDir>
#include <QFileInfo>

namespace download_rules {

QString proposed_folder(const QString& downloads, const QString& home)
{
    return !downloads.isEmpty() && QFileInfo(downloads).isDir() ? downloads : home;
}

QString safe_file_name(const QString& suggested)
{
    QString name = suggested;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1).trimmed();
    name.remove(QChar(0));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("download");
    return name;
}

namespace {

// The real place of `path`: its links resolved, also when its last parts do not exist yet.
QString real_path(const QString& path)
{
    QString rest;
    QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    while (!info.exists()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return QDir::cleanPath(path);
        rest = QLatin1Char('/') + info.fileName() + rest;
        info = QFileInfo(parent);
    }
    return QDir::cleanPath(info.canonicalFilePath() + rest);
}

} // namespace

bool lies_in(const QString& path, const QString& folder)
{
    const QString inner = real_path(path);
    const QString outer = real_path(folder);
    return inner == outer || inner.startsWith(outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/'));
}

bool started_by_user(std::optional<uint32_t> last_input_ms, uint32_t now_ms)
{
    return last_input_ms && platform::Clock::elapsed(*last_input_ms, now_ms) <= kUserActionMs;
}

QString part_name(const QString& file_name)
{
    return file_name + QStringLiteral(".part");
}

} // namespace download_rules
