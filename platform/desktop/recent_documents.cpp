#include "recent_documents.h"
#include "platform/files/xdg_folders.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

using Outcome = RecentDocuments::Outcome;

// What is at `name` in the open folder `dir`, the entry itself (a link is a link).
Outcome what_is_there(int dir, const char* name)
{
    struct stat st{};
    if (fstatat(dir, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Outcome::NoList : Outcome::Failed;
    return S_ISREG(st.st_mode) ? Outcome::Cleared : Outcome::LeftAlone;
}

bool write_all(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// An empty list beside the old one, renamed over it. The rename replaces the entry of the
// folder itself, so even a link put there since the last look is replaced, never written through.
Outcome replace(int dir, const QString& folder, const char* name)
{
    QByteArray temp = QFile::encodeName(folder) + "/.recently-used.xbel.XXXXXX";
    const int fd = mkostemp(temp.data(), O_CLOEXEC); // O_EXCL: never opens what is there
    if (fd < 0)
        return Outcome::Failed;
    const char* temp_name = temp.constData() + temp.lastIndexOf('/') + 1;
    const bool written = fchmod(fd, 0600) == 0 && write_all(fd, RecentDocuments::empty_xbel()) && fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    Outcome outcome = written && closed ? what_is_there(dir, name) : Outcome::Failed;
    if (outcome == Outcome::Cleared && renameat(dir, temp_name, dir, name) != 0)
        outcome = Outcome::Failed;
    if (outcome != Outcome::Cleared)
        unlinkat(dir, temp_name, 0);
    return outcome;
}

} // namespace

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

RecentDocuments::Outcome RecentDocuments::clear(const QString& path)
{
    const QFileInfo where(path);
    const QString folder = where.path();
    const QByteArray name = QFile::encodeName(where.fileName());
    const int dir = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return errno == ENOENT ? Outcome::NoList : Outcome::Failed;
    Outcome outcome = what_is_there(dir, name.constData());
    if (outcome == Outcome::Cleared)
        outcome = replace(dir, folder, name.constData());
    ::close(dir);
    return outcome;
}

} // namespace platform
