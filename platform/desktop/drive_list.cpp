#include "drive_list.h"
#include <QDir>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

QStringList MountedDriveList::drives() const
{
    QStringList places{QStringLiteral("/"), QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Only volumes on a device: no /proc, no tmpfs, no snap loops.
        if (!volume.device().startsWith("/dev/") || volume.device().startsWith("/dev/loop"))
            continue;
        if (!places.contains(root))
            places << root;
    }
    return places;
}

std::optional<QStringList> read_subfolders(const QString& path, QString* error)
{
    const QByteArray native = QFile::encodeName(path);
    DIR* dir = ::opendir(native.constData());
    if (!dir) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    QStringList folders;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        bool is_dir = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            is_dir = ::fstatat(::dirfd(dir), entry->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (is_dir)
            folders << QFile::decodeName(entry->d_name);
    }
    ::closedir(dir);
    std::sort(folders.begin(), folders.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return folders;
}

} // namespace platform
