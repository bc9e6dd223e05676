#pragma once
#include <QString>
#include <cstdint>

namespace legacy {

// "#,##0": thousands separated by commas, no decimals (1234567 -> "1,234,567").
// Fractions are rounded halves to even first.
QString format_thousands(double value);

// The shortest decimal text that reads back as the same single-precision value
// (12 -> "12", 149.5 -> "149.5", 0.1f -> "0.1").
QString format_shortest(float value);

} // namespace legacy
