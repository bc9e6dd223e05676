#pragma once
#include "platform/clock.h"
#include <algorithm>
#include <cstdint>

// A clock that fires every `interval` ms and advances by whole intervals, at most
// one per call: a late caller catches up over the following calls instead of
// losing the ticks it owes. Wrap-safe on the 32-bit millisecond counter.
class IntervalClock {
public:
    void restart(uint32_t now) { last_ = now; }

    // True once per whole interval that has passed; an interval of 0 counts as 1.
    bool due(uint32_t now, uint32_t interval)
    {
        interval = std::max<uint32_t>(interval, 1);
        if (platform::Clock::elapsed(last_, now) < interval)
            return false;
        last_ += interval;
        return true;
    }

private:
    uint32_t last_ = 0;
};
