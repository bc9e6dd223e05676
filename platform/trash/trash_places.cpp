#include "trash_places.h"
#include "platform/files/xdg_folders.h"
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform::trash_places {
namespace {

// Mount points write blanks, tabs, newlines and backslashes as octal escapes.
QString unescape_mount_point(const QByteArray& field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QFile::decodeName(out);
}

bool skipped_type(const QByteArray& type)
{
    static const QSet<QByteArray> skipped = {
        "autofs", "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "afs", "9p", "ceph", "glusterfs",
        "davfs", "fuse.sshfs", "fuse.davfs", "fuse.rclone", "fuse.s3fs", "fuse.gvfsd-fuse", "fuse.portal",
        "proc", "sysfs", "devpts", "devtmpfs", "cgroup", "cgroup2", "securityfs", "debugfs", "tracefs",
        "pstore", "bpf", "mqueue", "hugetlbfs", "configfs", "fusectl", "binfmt_misc", "efivarfs", "nsfs",
        "rpc_pipefs", "nfsd", "selinuxfs"};
    return skipped.contains(type);
}

// A real folder (not a symlink) owned by uid.
bool owned_folder(const QString& path, uid_t uid, struct stat* st)
{
    return lstat(QFile::encodeName(path).constData(), st) == 0 && S_ISDIR(st->st_mode) && st->st_uid == uid;
}

} // namespace

QString home_trash()
{
    return xdg_data_home() + QStringLiteral("/Trash");
}

QStringList volume_tops(const QByteArray& mountinfo)
{
    QStringList tops;
    for (const QByteArray& line : mountinfo.split('\n')) {
        const qsizetype dash = line.indexOf(" - ");
        if (dash < 0)
            continue;
        const QList<QByteArray> head = line.left(dash).split(' ');
        const QList<QByteArray> tail = line.mid(dash + 3).split(' ');
        if (head.size() < 5 || tail.isEmpty() || skipped_type(tail[0]))
            continue;
        const QString top = unescape_mount_point(head[4]);
        if (!tops.contains(top))
            tops.append(top);
    }
    return tops;
}

QStringList usable(const QString& home_trash, const QStringList& tops, uid_t uid)
{
    QStringList found;
    std::set<std::pair<dev_t, ino_t>> seen;
    auto take = [&](const QString& path) {
        struct stat st{};
        if (owned_folder(path, uid, &st) && seen.insert({st.st_dev, st.st_ino}).second)
            found.append(path);
    };
    take(home_trash);
    const QString id = QString::number(uid);
    for (QString top : tops) {
        if (top.endsWith(QLatin1Char('/')))
            top.chop(1);
        const QString shared = top + QStringLiteral("/.Trash");
        struct stat st{};
        if (lstat(QFile::encodeName(shared).constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
            take(shared + QLatin1Char('/') + id);
        take(top + QStringLiteral("/.Trash-") + id);
    }
    return found;
}

QStringList of_this_user()
{
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    QStringList tops;
    if (mounts.open(QIODevice::ReadOnly))
        tops = volume_tops(mounts.readAll());
    return usable(home_trash(), tops, geteuid());
}

} // namespace platform::trash_places
