#include "clock_ticker.h"

namespace {

// The digit value of the character that ends at `end` (exclusive), stepping `end`
// back over it; -1 if it is no digit. Digits outside the BMP take two code units.
int digit_before(const QString& text, qsizetype& end)
{
    if (end <= 0)
        return -1;
    char32_t c = text.at(end - 1).unicode();
    --end;
    if (QChar::isLowSurrogate(c) && end > 0 && text.at(end - 1).isHighSurrogate()) {
        c = QChar::surrogateToUcs4(text.at(end - 1), text.at(end));
        --end;
    }
    return QChar::digitValue(c);
}

} // namespace

std::optional<int> ClockTicker::seconds_of(const QString& time_text)
{
    qsizetype end = time_text.size();
    const int ones = digit_before(time_text, end);
    const int tens = digit_before(time_text, end);
    if (tens < 0 || ones < 0 || tens > 5)
        return std::nullopt;
    return tens * 10 + ones;
}

QString ClockTicker::minute_of(const QString& time_text)
{
    qsizetype end = time_text.size();
    digit_before(time_text, end);
    digit_before(time_text, end);
    return time_text.left(end);
}

ClockPass ClockTicker::pass(const QString& time_text, const QString& date_text)
{
    ClockPass p;
    p.caption = time_text + QStringLiteral("\r\n") + date_text;
    p.seconds = seconds_of(time_text);

    const QString minute = minute_of(time_text);
    const bool new_minute = !first_ && minute != last_minute_;
    p.clear = (p.seconds && *p.seconds == 0) || new_minute;
    p.changed = first_ || p.clear || p.seconds != last_seconds_;

    first_ = false;
    last_minute_ = minute;
    last_seconds_ = p.seconds;
    return p;
}
