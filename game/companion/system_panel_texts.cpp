#include "system_panel_texts.h"
#include <QFontMetricsF>

namespace companion {

QString SystemPanelTexts::thousands(uint64_t value)
{
    const QString digits = QString::number(value);
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.append(QLatin1Char(','));
        out.append(digits[i]);
    }
    return out;
}

std::array<QString, SystemPanelTexts::kMemoryLabels> SystemPanelTexts::memory_labels(const platform::MemoryStatus& m)
{
    return {
        QString::fromUtf8("メモリ使用率"),     QString::number(m.memory_load) + QLatin1Char('%'),
        QString::fromUtf8("全物理メモリ"),     thousands(m.total_physical),
        QString::fromUtf8("空き物理メモリ"),   thousands(m.available_physical),
        QString::fromUtf8("全仮想メモリ"),     thousands(m.total_page_file),
        QString::fromUtf8("空き仮想メモリ"),   thousands(m.available_page_file),
        QString::fromUtf8("全仮想アドレス"),   thousands(m.total_virtual),
        QString::fromUtf8("空き仮想アドレス"), thousands(m.available_virtual),
    };
}

QRect SystemPanelTexts::memory_label_rect(int i)
{
    return QRect(10 + 90 * (i % 2), 95 + 20 * (i / 2), 88, 15);
}

QFont SystemPanelTexts::fitted(const QFont& font, const QString& text, int width)
{
    QFont f = font;
    qreal size = f.pointSizeF() > 0 ? f.pointSizeF() : 9;
    while (size > 5 && QFontMetricsF(f).horizontalAdvance(text) > width) {
        size -= 0.5;
        f.setPointSizeF(size);
    }
    return f;
}

QString SystemPanelTexts::platform_line(const platform::PlatformVersion& v)
{
    return QStringLiteral("%1 %2.%3 %4").arg(v.platform).arg(v.major).arg(v.minor).arg(v.build);
}

QString SystemPanelTexts::plate_memory(const platform::MemoryStatus& m)
{
    return thousands(m.total_physical) + QStringLiteral(" byte");
}

QString SystemPanelTexts::uptime(uint64_t ms)
{
    const uint64_t seconds = ms / 1000;
    const uint64_t hours = seconds / 3600;
    const uint64_t minutes = seconds / 60 % 60;
    return QStringLiteral("%1:%2:%3.%4")
        .arg(hours % 100, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

QString SystemPanelTexts::weekday(int day_of_week)
{
    static const char* const names[7] = {"月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日", "日曜日"};
    return day_of_week >= 1 && day_of_week <= 7 ? QString::fromUtf8(names[day_of_week - 1]) : QString();
}

QString SystemPanelTexts::date_line(const QDateTime& now)
{
    // Formatting through QDate/QTime with a fixed pattern uses no locale names.
    return now.date().toString(QStringLiteral("yyyy/MM/dd")) + QLatin1Char(' ')
        + now.time().toString(QStringLiteral("H:mm:ss")) + weekday(now.date().dayOfWeek());
}

} // namespace companion
