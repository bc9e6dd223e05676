#pragma once
#include <QObject>
#include <QString>

namespace platform {

// Starts the suite's other programs from the program folder and tells when each has ended.
// Nothing blocks: several programs may run at once, each with its own `finished`.
class ProcessStarter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ProcessStarter() override = default;

    // Starts exactly folder + file_name, with no arguments. Returns an id that `finished`
    // will carry, or 0 when nothing was started (a missing file is not an error: no message).
    virtual qint64 start(const QString& file_name) = 0;
    // How many started programs are still running.
    virtual int running() const = 0;

signals:
    void finished(qint64 id);
};

} // namespace platform
