#include "settings_rules.h"
#include "platform/legacy/rounding.h"
#include <QRegularExpression>

namespace settings_rules {
namespace {

// The rounded value when it lies in lo..hi.
std::optional<int> rounded_within(std::optional<double> value, int lo, int hi)
{
    // Far-off values are refused before rounding, so the rounding never overflows.
    if (!value || !(*value > lo - 1.0 && *value < hi + 1.0))
        return std::nullopt;
    const auto r = legacy::round_half_even(*value);
    if (r < lo || r > hi)
        return std::nullopt;
    return static_cast<int>(r);
}

} // namespace

Texts texts_of(const GameSettings& s)
{
    return {QString::number(s.mipo_interval), QString::number(s.hazure_interval), QString::number(s.hazure_rate)};
}

std::optional<double> plain_decimal(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    if (text.size() > 64 || !pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

Outcome check(const Texts& texts, const GameSettings& current)
{
    const auto mipo = plain_decimal(texts.mipo);
    const auto miss = plain_decimal(texts.miss);
    const auto rate = plain_decimal(texts.rate);
    if (mipo == double(current.mipo_interval) && miss == double(current.hazure_interval)
        && rate == double(current.hazure_rate))
        return {Outcome::Kind::Unchanged, {}, current};

    const auto mipo_ms = rounded_within(mipo, 1, 32767);
    if (!mipo_ms)
        return {Outcome::Kind::Refused, kMipoMessage, current};
    const auto miss_ms = rounded_within(miss, 1, 32767);
    if (!miss_ms)
        return {Outcome::Kind::Refused, kMissMessage, current};
    const auto percent = rounded_within(rate, 0, 100);
    if (!percent)
        return {Outcome::Kind::Refused, kRateMessage, current};

    GameSettings next = current;
    next.mipo_interval = static_cast<int16_t>(*mipo_ms);
    next.hazure_interval = static_cast<int16_t>(*miss_ms);
    next.hazure_rate = static_cast<uint8_t>(*percent);
    return {Outcome::Kind::Accepted, {}, next};
}

} // namespace settings_rules

namespace settings_rules {

void fill_initial_table(ScoreTable& table)
{
    const ScoreEntry initial{QString::fromUtf8("ミポ    "), 999, 9, 9, 99};
    for (int n = 0; n < 10; ++n)
        table[n] = initial;
}

} // namespace settings_rules
