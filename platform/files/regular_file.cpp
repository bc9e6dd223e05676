#include "regular_file.h"
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

bool fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

#ifdef Q_OS_UNIX
// Opened without waiting (a FIFO would wait for a writer), then asked what it
// is: the answer is about this very file, not one put there since.
bool open_checked(int dir_fd, const char* name, int flags, QFile& file, QString* error)
{
    const int fd = ::openat(dir_fd, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags);
    if (fd < 0)
        return fail(error, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(error, QStringLiteral("not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, file.errorString());
    }
    return true;
}
#endif

} // namespace

bool open_regular_file(QFile& file, QString* error)
{
#ifdef Q_OS_UNIX
    return open_checked(AT_FDCWD, QFile::encodeName(file.fileName()).constData(), 0, file, error);
#else
    if (!QFileInfo(file.fileName()).isFile())
        return fail(error, QStringLiteral("not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    return true;
#endif
}

bool open_regular_file_at(int dir_fd, const QByteArray& name, QFile& file, QString* error)
{
#ifdef Q_OS_UNIX
    return open_checked(dir_fd, name.constData(), O_NOFOLLOW, file, error);
#else
    (void)dir_fd;
    (void)name;
    (void)file;
    return fail(error, QStringLiteral("not supported here"));
#endif
}

BoundedRead read_regular_file(const QString& path, qint64 max_bytes, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!open_regular_file(file, error))
        return BoundedRead::Unreadable;
    return read_bounded(file, max_bytes, bytes, error);
}

BoundedRead read_bounded(QFile& file, qint64 max_bytes, QByteArray* bytes, QString* error)
{
    if (file.size() > max_bytes) {
        fail(error, QStringLiteral("larger than %1 bytes").arg(max_bytes));
        return BoundedRead::TooLarge;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    QByteArray read = file.read(max_bytes + 1);
    if (file.error() != QFileDevice::NoError) {
        fail(error, file.errorString());
        return BoundedRead::Unreadable;
    }
    if (read.size() > max_bytes) {
        fail(error, QStringLiteral("larger than %1 bytes").arg(max_bytes));
        return BoundedRead::TooLarge;
    }
    *bytes = std::move(read);
    return BoundedRead::Read;
}

bool read_regular_file(const QString& path, QByteArray* bytes, QString* error)
{
    QFile file(path);
    if (!open_regular_file(file, error))
        return false;
    QByteArray read = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    *bytes = std::move(read);
    return true;
}

} // namespace platform
