#include "trash_folder.h"
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::trash_folder {
namespace {

// An open directory that closes itself.
class Dir {
public:
    Dir(int parent, const char* name)
        : fd_(openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)), error_(fd_ < 0 ? errno : 0)
    {
    }
    ~Dir()
    {
        if (dir_)
            closedir(dir_);
        if (fd_ >= 0)
            close(fd_);
    }
    Dir(const Dir&) = delete;
    Dir& operator=(const Dir&) = delete;

    bool ok() const { return fd_ >= 0; }
    int error() const { return error_; }
    int fd() const { return fd_; }

    // The next name other than "." and ".."; null at the end.
    const char* next()
    {
        if (!dir_ && fd_ >= 0) {
            const int copy = dup(fd_);
            dir_ = copy >= 0 ? fdopendir(copy) : nullptr;
            if (!dir_) {
                if (copy >= 0)
                    close(copy);
                return nullptr;
            }
        }
        while (dir_) {
            dirent* e = readdir(dir_);
            if (!e)
                return nullptr;
            if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
                return e->d_name;
        }
        return nullptr;
    }

private:
    int fd_;
    int error_;
    DIR* dir_ = nullptr;
};

struct CachedSize {
    uint64_t size;
    int64_t mtime;
};

// directorysizes: "size mtime percent-encoded-name" per line.
QHash<QByteArray, CachedSize> read_directory_sizes(int trash_fd)
{
    QHash<QByteArray, CachedSize> sizes;
    const int fd = openat(trash_fd, "directorysizes", O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return sizes;
    QFile file;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QList<QByteArray> parts = line.trimmed().split(' ');
            if (parts.size() != 3)
                continue;
            bool size_ok = false, time_ok = false;
            const uint64_t size = parts[0].toULongLong(&size_ok);
            const int64_t mtime = parts[1].toLongLong(&time_ok);
            if (size_ok && time_ok)
                sizes.insert(QByteArray::fromPercentEncoding(parts[2]), {size, mtime});
        }
    } else {
        close(fd);
    }
    return sizes;
}

// Sum of the lstat sizes of everything below a folder (folders themselves count nothing).
uint64_t folder_size(int parent, const char* name, const std::atomic<bool>& stop)
{
    Dir dir(parent, name);
    uint64_t total = 0;
    while (const char* entry = dir.next()) {
        if (stop.load(std::memory_order_relaxed))
            break;
        struct stat st{};
        if (fstatat(dir.fd(), entry, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue; // gone meanwhile
        total += S_ISDIR(st.st_mode) ? folder_size(dir.fd(), entry, stop) : uint64_t(st.st_size);
    }
    return total;
}

bool info_mtime(int info_fd, const char* item, int64_t* mtime)
{
    const QByteArray info_name = QByteArray(item) + ".trashinfo";
    struct stat st{};
    if (info_fd < 0 || fstatat(info_fd, info_name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    *mtime = st.st_mtim.tv_sec;
    return true;
}

// A folder we own that we may not write or enter: allow ourselves, so that it can go.
void make_removable(int parent, const char* name)
{
    const int fd = openat(parent, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st{};
    if (fstat(fd, &st) == 0 && st.st_uid == geteuid() && (st.st_mode & S_IRWXU) != S_IRWXU) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        chmod(self.constData(), (st.st_mode & 07777) | S_IRWXU);
    }
    close(fd);
}

bool remove_entry(int parent, const char* name, const std::atomic<bool>& stop);

bool remove_folder_contents(int parent, const char* name, const std::atomic<bool>& stop)
{
    make_removable(parent, name);
    Dir dir(parent, name);
    if (!dir.ok())
        return false;
    bool ok = true;
    while (const char* entry = dir.next()) {
        if (stop.load(std::memory_order_relaxed))
            return false;
        ok = remove_entry(dir.fd(), entry, stop) && ok;
    }
    return ok;
}

bool remove_entry(int parent, const char* name, const std::atomic<bool>& stop)
{
    struct stat st{};
    if (fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode)) // a symlink goes as a link, its target untouched
        return unlinkat(parent, name, 0) == 0 || errno == ENOENT;
    const bool emptied = remove_folder_contents(parent, name, stop);
    return emptied && (unlinkat(parent, name, AT_REMOVEDIR) == 0 || errno == ENOENT);
}

} // namespace

Figures measure(const QString& trash_dir, const std::atomic<bool>& stop)
{
    Figures figures;
    Dir trash(AT_FDCWD, QFile::encodeName(trash_dir).constData());
    if (!trash.ok()) {
        figures.ok = trash.error() == ENOENT;
        return figures;
    }
    Dir files(trash.fd(), "files");
    if (!files.ok()) {
        figures.ok = files.error() == ENOENT;
        return figures;
    }
    const QHash<QByteArray, CachedSize> cache = read_directory_sizes(trash.fd());
    Dir info(trash.fd(), "info");
    while (const char* entry = files.next()) {
        if (stop.load(std::memory_order_relaxed))
            break;
        struct stat st{};
        if (fstatat(files.fd(), entry, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        ++figures.item_count;
        if (!S_ISDIR(st.st_mode)) {
            figures.size_bytes += uint64_t(st.st_size);
            continue;
        }
        const auto cached = cache.constFind(QByteArray(entry));
        int64_t mtime = 0;
        if (cached != cache.constEnd() && info_mtime(info.fd(), entry, &mtime) && mtime == cached->mtime)
            figures.size_bytes += cached->size;
        else
            figures.size_bytes += folder_size(files.fd(), entry, stop);
    }
    return figures;
}

bool empty(const QString& trash_dir, const std::atomic<bool>& stop)
{
    Dir trash(AT_FDCWD, QFile::encodeName(trash_dir).constData());
    if (!trash.ok())
        return trash.error() == ENOENT;
    bool ok = true;
    {
        Dir files(trash.fd(), "files");
        if (!files.ok() && files.error() != ENOENT)
            ok = false;
        while (const char* entry = files.next()) {
            if (stop.load(std::memory_order_relaxed))
                return false;
            ok = remove_entry(files.fd(), entry, stop) && ok;
        }
    }
    {
        // Info files whose item is gone, and every orphan.
        Dir info(trash.fd(), "info");
        if (!info.ok() && info.error() != ENOENT)
            ok = false;
        Dir files(trash.fd(), "files");
        while (const char* entry = info.next()) {
            QByteArray item(entry);
            if (!item.endsWith(".trashinfo"))
                continue;
            item.chop(10);
            struct stat st{};
            if (files.ok() && fstatat(files.fd(), item.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                continue; // its item stays, so does its description
            if (unlinkat(info.fd(), entry, 0) != 0 && errno != ENOENT)
                ok = false;
        }
    }
    if (unlinkat(trash.fd(), "directorysizes", 0) != 0 && errno != ENOENT)
        ok = false;
    return ok;
}

} // namespace platform::trash_folder
