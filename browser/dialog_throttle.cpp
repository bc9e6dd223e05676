#include "dialog_throttle.h"
#include "platform/clock.h"

bool DialogThrottle::opened(uint32_t now_ms)
{
    recent_.append(now_ms);
    while (!recent_.isEmpty() && platform::Clock::elapsed(recent_.constFirst(), now_ms) > kWindowMs)
        recent_.removeFirst();
    return recent_.size() >= kBurst;
}
