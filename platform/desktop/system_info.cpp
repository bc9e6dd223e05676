#include "system_info.h"
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

QByteArray read_proc(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll(); // /proc files report size 0: read until the end
}

// The value of "Key:   1234 kB" in bytes; 0 when missing.
uint64_t kb_field(const QByteArray& text, const char* key)
{
    const QByteArray needle = QByteArray(key) + ':';
    for (const QByteArray& line : text.split('\n')) {
        if (!line.startsWith(needle))
            continue;
        QByteArray value = line.mid(needle.size()).trimmed();
        const bool in_kb = value.endsWith("kB");
        if (in_kb)
            value.chop(2);
        bool ok = false;
        const uint64_t n = value.trimmed().toULongLong(&ok);
        return !ok ? 0 : in_kb ? n * 1024 : n;
    }
    return 0;
}

} // namespace

MemoryStatus LinuxSystemInfo::parse_memory(const QByteArray& meminfo, uint64_t address_limit, uint64_t mapped)
{
    MemoryStatus m;
    m.total_physical = kb_field(meminfo, "MemTotal");
    m.available_physical = kb_field(meminfo, "MemAvailable");
    if (m.available_physical == 0) // kernels before 3.14 have no MemAvailable
        m.available_physical = kb_field(meminfo, "MemFree") + kb_field(meminfo, "Buffers") + kb_field(meminfo, "Cached");
    if (m.available_physical > m.total_physical)
        m.available_physical = m.total_physical;
    if (m.total_physical > 0)
        m.memory_load = uint32_t((m.total_physical - m.available_physical) * 100 / m.total_physical);
    m.total_page_file = m.total_physical + kb_field(meminfo, "SwapTotal");
    m.available_page_file = m.available_physical + kb_field(meminfo, "SwapFree");
    m.total_virtual = address_limit;
    m.available_virtual = mapped < address_limit ? address_limit - mapped : 0;
    return m;
}

uint64_t LinuxSystemInfo::user_address_space()
{
#if defined(__x86_64__) || defined(__aarch64__) || defined(__powerpc64__) || defined(__riscv)
    return uint64_t(1) << 47; // 128 TiB with four-level page tables
#else
    return sizeof(void*) == 8 ? uint64_t(1) << 47 : uint64_t(3) << 30;
#endif
}

MemoryStatus LinuxSystemInfo::memory() const
{
    uint64_t limit = user_address_space();
    rlimit rl{};
    if (getrlimit(RLIMIT_AS, &rl) == 0 && rl.rlim_cur != RLIM_INFINITY)
        limit = uint64_t(rl.rlim_cur);
    return parse_memory(read_proc("/proc/meminfo"), limit, kb_field(read_proc("/proc/self/status"), "VmSize"));
}

uint64_t LinuxSystemInfo::uptime_ms() const
{
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0 || ts.tv_sec < 0)
        return 0;
    return uint64_t(ts.tv_sec) * 1000 + uint64_t(ts.tv_nsec) / 1000000;
}

QString LinuxSystemInfo::user_name() const
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? size_t(size) : 1024);
    passwd entry{};
    passwd* found = nullptr;
    int rc;
    while ((rc = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE
           && buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    if (rc != 0 || !found || !found->pw_name)
        return {};
    return QString::fromLocal8Bit(found->pw_name);
}

QString LinuxSystemInfo::host_name() const
{
    // HOST_NAME_MAX is 64 on Linux, but grow anyway: a name cut short is still a name.
    std::vector<char> buffer(256);
    for (;;) {
        if (gethostname(buffer.data(), buffer.size()) == 0 && std::find(buffer.begin(), buffer.end(), '\0') != buffer.end())
            return QString::fromLocal8Bit(buffer.data());
        if (buffer.size() >= 65536)
            return {};
        buffer.assign(buffer.size() * 4, '\0');
    }
}

PlatformVersion LinuxSystemInfo::parse_release(const QByteArray& sysname, const QByteArray& release)
{
    PlatformVersion v;
    v.platform = QString::fromLatin1(sysname);
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)(?:\\.(\\d+))?(?:\\.(\\d+))?"));
    const auto m = numbers.match(QString::fromLatin1(release));
    if (m.hasMatch()) {
        v.major = m.captured(1).toInt();
        v.minor = m.captured(2).toInt();
        v.build = m.captured(3).toUInt();
    }
    return v;
}

PlatformVersion LinuxSystemInfo::version() const
{
    utsname u{};
    if (uname(&u) != 0)
        return {};
    return parse_release(u.sysname, u.release);
}

} // namespace platform
