#pragma once
#include <cstdint>

// The four settings kept in "config.csv".
struct GameSettings {
    int16_t mipo_interval = 100;   // seal action interval, ms, 1..32767
    int16_t hazure_interval = 300; // yeti action interval, ms, 1..32767
    uint8_t hazure_rate = 20;      // yeti appearance rate, per cent, 0..100
    uint8_t buki_no = 0;           // chosen weapon, 0..2; another number is no weapon

    bool operator==(const GameSettings&) const = default;
};
