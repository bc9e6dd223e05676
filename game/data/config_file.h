#pragma once
#include "game_settings.h"
#include <QByteArray>

// "config.csv": in spite of its name a binary file of 2-byte records:
// 1 seal interval, 2 yeti interval (16-bit little-endian), 3 yeti rate, 4 weapon (a byte each).
namespace config_file {

constexpr int kRecordLength = 2;
constexpr int kCompleteSize = 7; // the weapon byte is the last one that counts

// Settings from the file's bytes. A field the file is too short to hold keeps its
// default; the intervals and the rate are brought into their valid ranges, the
// weapon is kept as it is.
GameSettings parse(const QByteArray& bytes);

// The exact bytes the game writes (7 bytes; the padding byte of record 3 is zero).
QByteArray serialize(const GameSettings& settings);

bool is_complete(const QByteArray& bytes);

} // namespace config_file
