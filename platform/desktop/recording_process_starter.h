#pragma once
#include "process_starter.h"
#include <QSet>
#include <QStringList>

namespace platform {

// Pretends to start the files the test says exist; the test ends them with finish().
class RecordingProcessStarter final : public ProcessStarter {
public:
    QSet<QString> existing;   // file names that can be started
    QStringList started;      // every file name asked for, started or not

    qint64 start(const QString& file_name) override
    {
        started.append(file_name);
        if (!existing.contains(file_name))
            return 0;
        const qint64 id = next_id_++;
        running_.insert(id);
        return id;
    }
    int running() const override { return int(running_.size()); }

    void finish(qint64 id)
    {
        if (running_.remove(id))
            emit finished(id);
    }

private:
    qint64 next_id_ = 1000;
    QSet<qint64> running_;
};

} // namespace platform
