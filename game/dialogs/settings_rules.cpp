#include "settings_rules.h"
#include "platform/text/legacy/rounding.h"
#include <QRegularExpression>

namespace settings_rules {
namespace {

// An interval as typed: above 0 and at most 32767, and still at least 1 once rounded.
std::optional<int> interval_ms(std::optional<double> value)
{
    if (!value || !(*value > 0 && *value <= 32767))
        return std::nullopt;
    const auto r = legacy::round_half_even(*value);
    if (r < 1)
        return std::nullopt;
    return static_cast<int>(r);
}

// A rate as typed: 0 to 100, then rounded.
std::optional<int> percent(std::optional<double> value)
{
    if (!value || !(*value >= 0 && *value <= 100))
        return std::nullopt;
    return static_cast<int>(legacy::round_half_even(*value));
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

    const auto mipo_ms = interval_ms(mipo);
    if (!mipo_ms)
        return {Outcome::Kind::Refused, kMipoMessage, current};
    const auto miss_ms = interval_ms(miss);
    if (!miss_ms)
        return {Outcome::Kind::Refused, kMissMessage, current};
    const auto rate_percent = percent(rate);
    if (!rate_percent)
        return {Outcome::Kind::Refused, kRateMessage, current};

    GameSettings next = current;
    next.mipo_interval = static_cast<int16_t>(*mipo_ms);
    next.hazure_interval = static_cast<int16_t>(*miss_ms);
    next.hazure_rate = static_cast<uint8_t>(*rate_percent);
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
