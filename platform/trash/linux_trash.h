#pragma once
#include "trash.h"
#include <QStringList>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

namespace platform {

// The freedesktop.org trash of the user: the home trash and the trash of every mounted
// volume. Reading and emptying run one after the other on a thread of their own.
class LinuxTrash final : public Trash {
    Q_OBJECT
public:
    using Places = std::function<QStringList()>;

    // `places` lists the trash folders, asked again for every query (volumes come and go).
    explicit LinuxTrash(Places places = {}, QObject* parent = nullptr);
    // Stops a walk still running and waits for it.
    ~LinuxTrash() override;

    void query() override;
    void empty() override;

private:
    Places places_;
    QThread thread_;
    std::unique_ptr<QObject> worker_; // lives in thread_; jobs run in its context
    std::atomic<bool> stop_{false};
};

} // namespace platform
