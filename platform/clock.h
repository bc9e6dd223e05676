#pragma once
#include <QDate>
#include <cstdint>

namespace platform {

// Milliseconds on a 32-bit counter that wraps, like the classic multimedia timer.
// Always compare times through elapsed(): the unsigned difference survives the wrap.
class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t now_ms() const = 0;
    // Today's date in local time.
    virtual QDate today() const { return QDate::currentDate(); }

    static uint32_t elapsed(uint32_t since, uint32_t now) { return now - since; }
};

// The real clock: milliseconds since an arbitrary start, from a monotonic source.
class SystemClock final : public Clock {
public:
    uint32_t now_ms() const override;
};

} // namespace platform
