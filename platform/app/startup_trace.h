#pragma once
#include <QByteArray>
#include <cstdio>
#include <ctime>

namespace platform {

// For the start-up benchmark: when SUITE_STARTUP_TRACE is set, prints the wall
// clock (ns) at the first call, as "<what> <ns>", to standard error.
inline void trace_first_paint(const char* what)
{
    static bool done = false;
    if (done || qEnvironmentVariableIsEmpty("SUITE_STARTUP_TRACE"))
        return;
    done = true;
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::fprintf(stderr, "%s %lld\n", what, static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
}

} // namespace platform
