#pragma once
#include <QString>
#include <memory>

class QLockFile;

namespace platform {

// One running copy of a program per user: a lock file in the user's runtime
// folder. The lock goes with the process, so a crashed copy never blocks the next.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this is the only copy (the lock is ours from now on).
    bool acquire();
    bool held() const { return held_; }
    void release();
    QString lock_path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

} // namespace platform
