#include "trash_folder.h"
#include "platform/files/regular_file.h"
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform::trash_folder {
namespace {

constexpr int kOpenDirFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// An open directory that closes itself. Its stream, once reading, owns the descriptor.
class Dir {
public:
    Dir(int parent, const char* name) : fd_(openat(parent, name, kOpenDirFlags)), error_(fd_ < 0 ? errno : 0) {}
    ~Dir()
    {
        if (dir_)
            closedir(dir_);
        else if (fd_ >= 0)
            close(fd_);
    }
    Dir(const Dir&) = delete;
    Dir& operator=(const Dir&) = delete;

    bool ok() const { return fd_ >= 0; }
    int error() const { return error_; }
    int fd() const { return fd_; }
    // Opened, but could not be read to its end.
    bool failed() const { return failed_; }

    // The next name other than "." and ".."; null at the end.
    const char* next()
    {
        if (!dir_ && fd_ >= 0 && !(dir_ = fdopendir(fd_))) {
            failed_ = true;
            return nullptr;
        }
        while (dir_) {
            errno = 0;
            dirent* e = readdir(dir_);
            if (!e) {
                failed_ = failed_ || errno != 0;
                return nullptr;
            }
            if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
                return e->d_name;
        }
        return nullptr;
    }

private:
    int fd_;
    int error_;
    DIR* dir_ = nullptr;
    bool failed_ = false;
};

// What a walk does with what it finds.
class Visitor {
public:
    virtual ~Visitor() = default;
    // Anything but a folder, in the open folder `dir`; false when it could not be dealt with.
    virtual bool file(int dir, const char* name, const struct stat& st) = 0;
    // A folder of `dir` about to be opened.
    virtual void entering(int, const char*) {}
    // A folder of `dir` walked to its end; `whole` is false when something in it failed.
    virtual bool left(int dir, const char* name, bool whole) = 0;
};

// Walks everything below one folder, depth first, never following a link, with at most
// kOpenLevels of its folders open at a time however deep it goes (a descriptor or two per
// level ran out of descriptors some hundred levels down), and fewer when the process is short
// of descriptors.
//
// Each level of the way down keeps its name, its device and inode, and its directory stream
// while it is open. When a deeper level needs a descriptor and none is to be had, the
// shallowest open level reads the rest of its names into memory and is closed. Coming back up
// to a closed level, the walk opens it again from the nearest ancestor still open (or the
// walk's own parent, which the caller keeps open), one name at a time with O_NOFOLLOW |
// O_DIRECTORY, and accepts it only as the same folder as before (device and inode). So the
// walk never leaves the tree through a link, nor through "..", which after a folder was moved
// could lead anywhere; a folder moved or replaced meanwhile is not walked as if it were the
// old one, and counts as a failure. Opening again costs openat calls: on the way up, one
// chain from the nearest open ancestor for every kOpenLevels levels, so about depth² / 64 in
// all, a few thousand for a tree some hundred levels deep.
class TreeWalk {
public:
    static constexpr size_t kOpenLevels = 32;

    TreeWalk(int parent, Visitor& visitor, const std::atomic<bool>& stop)
        : parent_(parent), visitor_(visitor), stop_(stop)
    {
    }
    ~TreeWalk()
    {
        while (!levels_.empty())
            pop();
    }
    TreeWalk(const TreeWalk&) = delete;
    TreeWalk& operator=(const TreeWalk&) = delete;

    // Walks the folder `name` of the walk's parent; false when anything failed or it was stopped.
    bool run(const char* name)
    {
        visitor_.entering(parent_, name);
        if (!push(parent_, name))
            return errno == ENOENT;
        while (!levels_.empty()) {
            if (stop_.load(std::memory_order_relaxed))
                return false;
            const size_t depth = levels_.size() - 1;
            QByteArray entry;
            if (!next_name(levels_[depth], &entry)) {
                const QByteArray done = levels_[depth].name;
                const bool whole = levels_[depth].whole;
                pop();
                if (levels_.empty())
                    return visitor_.left(parent_, done.constData(), whole);
                const int up = open_level(depth - 1);
                levels_[depth - 1].whole = up >= 0 && visitor_.left(up, done.constData(), whole) && levels_[depth - 1].whole;
                continue;
            }
            const int dir = open_level(depth);
            if (dir < 0) {
                levels_[depth].whole = false;
                levels_[depth].rest.clear(); // what it holds cannot be reached
                continue;
            }
            struct stat st{};
            if (fstatat(dir, entry.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                levels_[depth].whole = levels_[depth].whole && errno == ENOENT; // gone meanwhile
                continue;
            }
            if (!S_ISDIR(st.st_mode)) {
                levels_[depth].whole = visitor_.file(dir, entry.constData(), st) && levels_[depth].whole;
                continue;
            }
            visitor_.entering(dir, entry.constData());
            if (!push(dir, entry.constData()) && errno != ENOENT)
                levels_[depth].whole = false;
        }
        return true;
    }

private:
    struct Level {
        QByteArray name;
        dev_t dev = 0;
        ino_t ino = 0;
        int fd = -1;                 // while open
        DIR* stream = nullptr;       // reading; owns fd
        std::vector<QByteArray> rest; // names still to visit once the stream was closed
        bool whole = true;
    };

    // Opens `name` in `dir` as a new deepest level; false with errno set when it cannot.
    bool push(int dir, const char* name)
    {
        make_room();
        const int fd = open_at(dir, name);
        if (fd < 0)
            return false;
        struct stat st{};
        DIR* stream = fstat(fd, &st) == 0 ? fdopendir(fd) : nullptr;
        if (!stream) {
            const int error = errno;
            close(fd);
            errno = error;
            return false;
        }
        levels_.push_back({QByteArray(name), st.st_dev, st.st_ino, fd, stream, {}, true});
        ++open_;
        return true;
    }

    void pop()
    {
        close_level(levels_.back());
        levels_.pop_back();
    }

    bool next_name(Level& level, QByteArray* name)
    {
        if (level.stream) {
            errno = 0;
            while (const dirent* e = readdir(level.stream))
                if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0) {
                    *name = QByteArray(e->d_name);
                    return true;
                }
            level.whole = level.whole && errno == 0;
            close_level(level);
            return false;
        }
        if (level.rest.empty())
            return false;
        *name = std::move(level.rest.back());
        level.rest.pop_back();
        return true;
    }

    void close_level(Level& level)
    {
        if (level.stream) {
            closedir(level.stream);
            level.stream = nullptr;
        } else if (level.fd >= 0) {
            close(level.fd);
        }
        if (level.fd >= 0)
            --open_;
        level.fd = -1;
    }

    // Keeps at most `most` - 1 open, so that one more may open. The shallowest open level
    // goes: it is the one needed last. The deepest open level, the one the next folder is
    // opened from, stays.
    void make_room(size_t most = kOpenLevels)
    {
        for (Level& level : levels_) {
            if (open_ < most || open_ < 2)
                return;
            if (level.fd < 0)
                continue;
            if (level.stream) {
                errno = 0;
                while (const dirent* e = readdir(level.stream))
                    if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
                        level.rest.emplace_back(e->d_name);
                level.whole = level.whole && errno == 0;
            }
            close_level(level);
        }
    }

    // A folder of `dir` opened. When the process is out of descriptors, fewer levels stay open
    // (down to the one `dir` belongs to) and it tries again.
    int open_at(int dir, const char* name)
    {
        for (;;) {
            const int fd = openat(dir, name, kOpenDirFlags);
            if (fd >= 0 || (errno != EMFILE && errno != ENFILE) || open_ < 2)
                return fd;
            make_room(open_);
        }
    }

    // The descriptor of level `depth`, opened again from its nearest open ancestor when it
    // was closed; -1 when it is gone or is no longer the same folder.
    int open_level(size_t depth)
    {
        if (levels_[depth].fd >= 0)
            return levels_[depth].fd;
        size_t from = depth;
        while (from > 0 && levels_[from - 1].fd < 0)
            --from;
        for (size_t i = from; i <= depth; ++i) {
            const int above = i == 0 ? parent_ : levels_[i - 1].fd;
            make_room();
            const int fd = open_at(above, levels_[i].name.constData());
            struct stat st{};
            if (fd >= 0 && (fstat(fd, &st) != 0 || st.st_dev != levels_[i].dev || st.st_ino != levels_[i].ino)) {
                close(fd);
                return -1;
            }
            if (fd < 0)
                return -1;
            levels_[i].fd = fd;
            ++open_;
        }
        return levels_[depth].fd;
    }

    const int parent_;
    Visitor& visitor_;
    const std::atomic<bool>& stop_;
    std::vector<Level> levels_;
    size_t open_ = 0;
};

struct CachedSize {
    uint64_t size;
    int64_t mtime;
};

// A line per trashed folder, some tens of bytes each: tens of thousands of folders fit. A
// larger file is not a cache worth reading (a stray one of 768 MB took 8 s and as much memory).
constexpr qint64 kMaxDirectorySizesBytes = 4 << 20;

// directorysizes: "size mtime percent-encoded-name" per line.
QHash<QByteArray, CachedSize> read_directory_sizes(int trash_fd, const std::atomic<bool>& stop)
{
    QHash<QByteArray, CachedSize> sizes;
    // A regular file only: a FIFO there would hold the reading (and a closing program) up.
    QFile file;
    QByteArray bytes;
    if (!open_regular_file_at(trash_fd, "directorysizes", file) ||
        read_bounded(file, kMaxDirectorySizesBytes, &bytes) != BoundedRead::Read)
        return sizes;
    for (const QByteArray& line : bytes.split('\n')) {
        if (stop.load(std::memory_order_relaxed))
            break;
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 3)
            continue;
        bool size_ok = false, time_ok = false;
        const uint64_t size = parts[0].toULongLong(&size_ok);
        const int64_t mtime = parts[1].toLongLong(&time_ok);
        if (size_ok && time_ok)
            sizes.insert(QByteArray::fromPercentEncoding(parts[2]), {size, mtime});
    }
    return sizes;
}

// Sum of the lstat sizes of everything below a folder (folders themselves count nothing);
// false when a part of it could not be read.
bool folder_size(int parent, const char* name, const std::atomic<bool>& stop, uint64_t* total)
{
    struct Sum final : Visitor {
        uint64_t bytes = 0;
        bool file(int, const char*, const struct stat& st) override
        {
            bytes += uint64_t(st.st_size);
            return true;
        }
        bool left(int, const char*, bool whole) override { return whole; }
    } sum;
    const bool whole = TreeWalk(parent, sum, stop).run(name);
    *total += sum.bytes;
    return whole;
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

// Removes a folder and everything in it, never following a link.
bool remove_folder(int parent, const char* name, const std::atomic<bool>& stop)
{
    struct Remove final : Visitor {
        bool file(int dir, const char* name, const struct stat&) override
        {
            return unlinkat(dir, name, 0) == 0 || errno == ENOENT; // a symlink goes as a link, its target untouched
        }
        void entering(int dir, const char* name) override { make_removable(dir, name); }
        bool left(int dir, const char* name, bool whole) override
        {
            return whole && (unlinkat(dir, name, AT_REMOVEDIR) == 0 || errno == ENOENT);
        }
    } remove;
    return TreeWalk(parent, remove, stop).run(name);
}

bool remove_entry(int parent, const char* name, const std::atomic<bool>& stop)
{
    struct stat st{};
    if (fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(st.st_mode)) // a symlink goes as a link, its target untouched
        return unlinkat(parent, name, 0) == 0 || errno == ENOENT;
    return remove_folder(parent, name, stop);
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
    const QHash<QByteArray, CachedSize> cache = read_directory_sizes(trash.fd(), stop);
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
        else if (!folder_size(files.fd(), entry, stop, &figures.size_bytes))
            figures.ok = false; // a part could not be read: the figure would leave it out
    }
    figures.ok = figures.ok && !files.failed();
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
        ok = ok && !files.failed();
    }
    {
        // Info files whose item is gone, and every orphan. An item that stays keeps its
        // description: when files/ cannot be looked into, every description stays.
        Dir info(trash.fd(), "info");
        if (!info.ok() && info.error() != ENOENT)
            ok = false;
        Dir files(trash.fd(), "files");
        if (!files.ok() && files.error() != ENOENT)
            return false;
        while (const char* entry = info.next()) {
            QByteArray item(entry);
            if (!item.endsWith(".trashinfo"))
                continue;
            item.chop(10);
            if (files.ok()) {
                struct stat st{};
                if (fstatat(files.fd(), item.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                    continue; // its item stays, so does its description
                if (errno != ENOENT) {
                    ok = false; // cannot tell whether it stays
                    continue;
                }
            }
            if (unlinkat(info.fd(), entry, 0) != 0 && errno != ENOENT)
                ok = false;
        }
        ok = ok && !info.failed();
    }
    if (unlinkat(trash.fd(), "directorysizes", 0) != 0 && errno != ENOENT)
        ok = false;
    return ok;
}

} // namespace platform::trash_folder
