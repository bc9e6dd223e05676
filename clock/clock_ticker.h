#pragma once
#include <QString>
#include <optional>

// One pass of the clock loop, worked out from the time and date texts.
struct ClockPass {
    QString caption;           // time, CR LF, date
    std::optional<int> seconds; // from the last two characters of the time text
    bool clear = false;        // wipe the trail (a new minute)
    bool changed = false;      // something new to draw since the last pass
};

// Decides, pass by pass, what the clock draws. The trail of a minute is wiped at
// second 0, and also when a pass lands in a new minute without having seen its
// second 0 (the program was held up for more than a second).
class ClockTicker {
public:
    ClockPass pass(const QString& time_text, const QString& date_text);

    // 0..59 from the last two characters, or nothing if they are not a number in range.
    static std::optional<int> seconds_of(const QString& time_text);
    // The text before the seconds: it changes with every minute.
    static QString minute_of(const QString& time_text);

private:
    bool first_ = true;
    QString last_minute_;
    std::optional<int> last_seconds_;
};
