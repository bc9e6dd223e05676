#pragma once
#include "platform/desktop/system_info.h"
#include <QDateTime>
#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

namespace companion {

// What the system panel and the title plate write about the machine.
class SystemPanelTexts {
public:
    static constexpr int kMemoryLabels = 14;

    // "#,##0" on the whole 64-bit range: 4294967296 -> "4,294,967,296".
    static QString thousands(uint64_t value);

    // The memory grid in element order: captions on even elements, values on odd ones.
    static std::array<QString, kMemoryLabels> memory_labels(const platform::MemoryStatus& m);
    // Where memory label i stands on the panel (88 x 15, two columns 90 apart, rows 20 apart).
    static QRect memory_label_rect(int i);

    // The label font made smaller, in half points down to 5, until `text` fits `width` pixels:
    // 64-bit figures ("140,737,488,355,328") are wider than the 88-pixel cells at 9 points.
    static QFont fitted(const QFont& font, const QString& text, int width);

    // The plate's lines: "Linux 6.1 0", and the physical memory followed by " byte".
    static QString platform_line(const platform::PlatformVersion& v);
    static QString plate_memory(const platform::MemoryStatus& m);

    // Time since the system started: "HH:MM:SS.mmm"; from 100 hours on only the last two
    // digits of the hours show.
    static QString uptime(uint64_t milliseconds);

    // The weekday's name for Qt's day of week (1 Monday .. 7 Sunday); empty otherwise.
    static QString weekday(int day_of_week);
    // Date and time with seconds in the Japanese short form, then the weekday:
    // "2000/09/18 9:05:03月曜日", whatever the process's locale.
    static QString date_line(const QDateTime& now);
};

} // namespace companion
