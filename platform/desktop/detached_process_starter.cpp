#include "detached_process_starter.h"
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {
namespace {

int open_pidfd(qint64 pid)
{
#ifdef SYS_pidfd_open
    return int(syscall(SYS_pidfd_open, pid_t(pid), 0));
#else
    errno = ENOSYS;
    return -1;
#endif
}

constexpr int kPollMs = 100; // kernels without pidfd: look every 100 ms

} // namespace

DetachedProcessStarter::DetachedProcessStarter(QString folder, QObject* parent)
    : ProcessStarter(parent), folder_(std::move(folder))
{
}

DetachedProcessStarter::~DetachedProcessStarter()
{
    for (QObject* watcher : std::as_const(watched_))
        delete watcher; // the notifier's pidfd is closed below; the programs go on
}

qint64 DetachedProcessStarter::start(const QString& file_name)
{
    const QString path = folder_ + file_name;
    const QFileInfo file(path);
    if (file_name.isEmpty() || !file.isFile() || !file.isExecutable())
        return 0;
    qint64 pid = 0;
    if (!QProcess::startDetached(path, {}, QString(), &pid) || pid <= 0)
        return 0;
    watch(pid);
    return pid;
}

void DetachedProcessStarter::watch(qint64 pid)
{
    const int fd = open_pidfd(pid);
    if (fd >= 0) {
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QObject::destroyed, [fd] { close(fd); });
        connect(notifier, &QSocketNotifier::activated, this, [this, pid] { ended(pid); });
        watched_.insert(pid, notifier);
        return;
    }
    if (errno == ESRCH) { // over already
        watched_.insert(pid, nullptr);
        QTimer::singleShot(0, this, [this, pid] { ended(pid); });
        return;
    }
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, pid] {
        if (kill(pid_t(pid), 0) != 0 && errno == ESRCH)
            ended(pid);
    });
    timer->start(kPollMs);
    watched_.insert(pid, timer);
}

void DetachedProcessStarter::ended(qint64 pid)
{
    const auto it = watched_.find(pid);
    if (it == watched_.end())
        return;
    if (QObject* watcher = it.value())
        watcher->deleteLater();
    if (auto* notifier = qobject_cast<QSocketNotifier*>(it.value()))
        notifier->setEnabled(false);
    watched_.erase(it);
    emit finished(pid);
}

} // namespace platform
