#include "linux_trash.h"
#include "trash_folder.h"
#include "trash_places.h"
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

LinuxTrash::LinuxTrash(Places places, QObject* parent)
    : Trash(parent), places_(places ? std::move(places) : Places(&trash_places::of_this_user)),
      worker_(std::make_unique<QObject>())
{
    thread_.setObjectName(QStringLiteral("trash"));
    worker_->moveToThread(&thread_);
    thread_.start();
    // The walk yields the processor to the window's thread: a niceness of its own (Linux keeps
    // it per thread; Qt's thread priorities do nothing under the normal scheduler).
    QMetaObject::invokeMethod(worker_.get(), [] { setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10); },
                              Qt::QueuedConnection);
}

LinuxTrash::~LinuxTrash()
{
    stop_ = true;
    thread_.quit();
    thread_.wait();
}

void LinuxTrash::query()
{
    QMetaObject::invokeMethod(worker_.get(), [this] {
        bool ok = true;
        quint64 size = 0, count = 0;
        for (const QString& dir : places_()) {
            const trash_folder::Figures f = trash_folder::measure(dir, stop_);
            ok = ok && f.ok;
            size += f.size_bytes;
            count += f.item_count;
        }
        if (!stop_)
            QMetaObject::invokeMethod(this, [this, ok, size, count] { emit figures_read(ok, size, count); },
                                      Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void LinuxTrash::empty()
{
    QMetaObject::invokeMethod(worker_.get(), [this] {
        bool ok = true;
        for (const QString& dir : places_())
            ok = trash_folder::empty(dir, stop_) && ok;
        if (!stop_)
            QMetaObject::invokeMethod(this, [this, ok] { emit emptied(ok); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

} // namespace platform
