#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace platform {

// Memory figures in bytes, 64-bit throughout.
struct MemoryStatus {
    uint32_t memory_load = 0;        // per cent of physical memory in use
    uint64_t total_physical = 0;
    uint64_t available_physical = 0;
    uint64_t total_page_file = 0;    // physical memory plus swap
    uint64_t available_page_file = 0;
    uint64_t total_virtual = 0;      // the process's address-space limit
    uint64_t available_virtual = 0;  // that limit minus what the process has mapped
};

// The system's name and version: platform text, major.minor, build.
struct PlatformVersion {
    QString platform;
    int major = 0;
    int minor = 0;
    uint32_t build = 0;
};

// What the system panel and the title plate show about the machine.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual MemoryStatus memory() const = 0;
    virtual uint64_t uptime_ms() const = 0;     // since the system started; never wraps
    virtual QString user_name() const = 0;      // empty when it cannot be read
    virtual QString host_name() const = 0;      // empty when it cannot be read
    virtual PlatformVersion version() const = 0;
};

// Linux: /proc/meminfo, RLIMIT_AS and VmSize, CLOCK_BOOTTIME, getpwuid_r, gethostname, uname.
class LinuxSystemInfo final : public SystemInfo {
public:
    MemoryStatus memory() const override;
    uint64_t uptime_ms() const override;
    QString user_name() const override;
    QString host_name() const override;
    PlatformVersion version() const override;

    // The pieces, open for tests.
    // `meminfo` is the text of /proc/meminfo; `address_limit` the process's limit in bytes,
    // `mapped` its VmSize in bytes.
    static MemoryStatus parse_memory(const QByteArray& meminfo, uint64_t address_limit, uint64_t mapped);
    // "6.1.0-13-amd64" -> 6, 1, 0.
    static PlatformVersion parse_release(const QByteArray& sysname, const QByteArray& release);
    // The user part of the address space when the process has no limit of its own.
    static uint64_t user_address_space();
};

} // namespace platform
