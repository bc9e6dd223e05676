#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The six colour values of the notepad and their file "mlz_config.ini":
// records of 2 bytes, the value in the first byte of records 1 to 6
// (offsets 0, 2, 4, 6, 8, 10), in the order text r, g, b, back r, g, b.
class ColorSettings {
public:
    static inline const QString kFileName = QStringLiteral("mlz_config.ini");
    enum Index { text_r, text_g, text_b, back_r, back_g, back_b, kCount };
    using Values = std::array<uint8_t, kCount>;

    // A record beyond the end of the file reads 0.
    static Values parse(const QByteArray& bytes);
    static QByteArray bytes(const Values& values);

    // What an empty or missing file means: black text on white, so the very
    // first start does not show black on black.
    static Values first_start_values();
    static Values from_file(const QByteArray& bytes)
    {
        return bytes.isEmpty() ? first_start_values() : parse(bytes);
    }

    // A list text to the byte it stores: the nearest whole number, halves to
    // even (12.5 -> 12, 13.5 -> 14); not a number or outside 0..255 -> nullopt.
    static std::optional<uint8_t> convert_value(const QString& text);

    // A list text to a colour component for showing at once: like
    // convert_value, but never fails (out of range is clamped, garbage is 0).
    static uint8_t color_component(const QString& text);
};
