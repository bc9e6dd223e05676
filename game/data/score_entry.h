#pragma once
#include <QString>
#include <array>
#include <cstdint>

// One line of the top-ten table.
struct ScoreEntry {
    QString name = QStringLiteral("      "); // always 6 characters, blank-filled
    int16_t score = 0;
    uint8_t hits = 0;
    uint8_t misses = 0;
    uint8_t hit_rate = 0;

    bool operator==(const ScoreEntry&) const = default;
};

// Entries 0..9 are the table; entry 10 is the candidate of the game just ended.
using ScoreTable = std::array<ScoreEntry, 11>;
