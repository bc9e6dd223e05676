#pragma once
#include "clock.h"

namespace platform {

// A clock that only moves when a test moves it.
class FakeClock final : public Clock {
public:
    explicit FakeClock(uint32_t start = 0) : now_(start) {}
    uint32_t now_ms() const override { return now_; }
    QDate today() const override { return today_.isValid() ? today_ : QDate::currentDate(); }
    void set_today(QDate date) { today_ = date; }
    void set(uint32_t ms) { now_ = ms; }
    void advance(uint32_t ms) { now_ += ms; }

private:
    uint32_t now_;
    QDate today_;
};

} // namespace platform
