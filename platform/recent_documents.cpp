#include "recent_documents.h"
#include "xdg_folders.h"
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

QByteArray RecentDocuments::empty_xbel()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<xbel version=\"1.0\"\n"
                             "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
                             "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
                             ">\n"
                             "</xbel>\n");
}

QString RecentDocuments::default_path()
{
    return xdg_data_home() + QStringLiteral("/recently-used.xbel");
}

bool RecentDocuments::clear(const QString& path)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = empty_xbel();
    if (file.write(bytes) != bytes.size() || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
