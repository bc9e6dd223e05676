#include "single_instance.h"
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace platform {

SingleInstance::SingleInstance(const QString& name)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    path_ = dir + QLatin1Char('/') + name + QStringLiteral(".lock");
    lock_ = std::make_unique<QLockFile>(path_);
    // Never stale by age; a lock whose process is gone is taken over.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    if (!held_)
        held_ = lock_->tryLock(0);
    return held_;
}

void SingleInstance::release()
{
    if (held_)
        lock_->unlock();
    held_ = false;
}

} // namespace platform
