#pragma once
#include "system_info.h"

namespace platform {

// Figures set by the test.
class FakeSystemInfo final : public SystemInfo {
public:
    MemoryStatus memory_status;
    uint64_t uptime = 0;
    QString user;
    QString host;
    PlatformVersion platform_version;

    MemoryStatus memory() const override { return memory_status; }
    uint64_t uptime_ms() const override { return uptime; }
    QString user_name() const override { return user; }
    QString host_name() const override { return host; }
    PlatformVersion version() const override { return platform_version; }
};

} // namespace platform
