#pragma once
#include "process_starter.h"
#include <QHash>

namespace platform {

// Linux: the program runs detached in a session of its own (a double fork, so it is never our
// child and never our zombie); its end is seen through a pidfd. Destroying the starter, or
// closing the game, leaves the started programs running.
class DetachedProcessStarter final : public ProcessStarter {
    Q_OBJECT
public:
    // `folder` ends with "/" (see program_folder()).
    explicit DetachedProcessStarter(QString folder, QObject* parent = nullptr);
    ~DetachedProcessStarter() override;

    qint64 start(const QString& file_name) override;
    int running() const override { return int(watched_.size()); }

private:
    void watch(qint64 pid);
    void ended(qint64 pid);

    QString folder_;
    QHash<qint64, QObject*> watched_; // pid -> its notifier or poll timer
};

} // namespace platform
