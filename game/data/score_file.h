#pragma once
#include "score_entry.h"
#include <QByteArray>

// "score.ini": 12-byte records, five per entry (name, score, hits, misses, rate),
// entries 0..9 in order; the file ends after the rate of entry 9.
namespace score_file {

constexpr int kRecordLength = 12;
constexpr int kEntries = 10;
constexpr int kCompleteSize = (kEntries * 5 - 1) * kRecordLength + 1; // 589

// Entries 0..9 from the bytes; what the file is too short to hold reads as a
// blank name and zeros. Entry 10 is left as it is in `table`.
void parse(const QByteArray& bytes, ScoreTable& table);

QByteArray serialize(const ScoreTable& table);

bool is_complete(const QByteArray& bytes);

// The name field: CP932, at most 12 bytes, never cutting a double-byte character.
QByteArray encode_name(const QString& name);
QString decode_name(const QByteArray& field);

} // namespace score_file
