#include "color_settings.h"
#include "platform/text/legacy/record_file.h"
#include "platform/text/legacy/rounding.h"
#include <cmath>

namespace {

constexpr int kRecordLength = 2;

std::optional<double> number_of(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

ColorSettings::Values ColorSettings::parse(const QByteArray& bytes)
{
    const legacy::RecordReader reader(bytes, kRecordLength);
    Values v{};
    for (int i = 0; i < kCount; ++i)
        v[i] = reader.read_u8(i + 1);
    return v;
}

QByteArray ColorSettings::bytes(const Values& values)
{
    legacy::RecordWriter writer(kRecordLength);
    for (int i = 0; i < kCount; ++i)
        writer.put_u8(i + 1, values[i]);
    return writer.bytes();
}

ColorSettings::Values ColorSettings::first_start_values()
{
    return {0, 0, 0, 255, 255, 255};
}

std::optional<uint8_t> ColorSettings::convert_value(const QString& text)
{
    const auto v = number_of(text);
    if (!v || *v < -0.5 || *v > 255.5) // keeps the rounding below in range
        return std::nullopt;
    const int64_t r = legacy::round_half_even(*v);
    if (r < 0 || r > 255)
        return std::nullopt;
    return static_cast<uint8_t>(r);
}

uint8_t ColorSettings::color_component(const QString& text)
{
    const auto v = number_of(text);
    if (!v)
        return 0;
    if (*v <= 0)
        return 0;
    if (*v >= 255)
        return 255;
    return static_cast<uint8_t>(legacy::round_half_even(*v));
}
