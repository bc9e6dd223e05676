#pragma once
#include <QObject>

namespace platform {

// The user's trash on every volume, read and emptied off the caller's thread.
// Results arrive as signals on the thread the object lives in, in the order asked.
class Trash : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Trash() override = default;

    // Reads the size in bytes and the number of items of every trash; figures_read follows.
    virtual void query() = 0;
    // Removes every item of every trash without following links; emptied follows.
    virtual void empty() = 0;

signals:
    // ok is false when a trash could not be read; the figures then count only what was.
    void figures_read(bool ok, quint64 size_bytes, quint64 item_count);
    // ok is false when anything could not be removed.
    void emptied(bool ok);
};

} // namespace platform
