#pragma once
#include "game/data/score_entry.h"
#include <QDate>
#include <QString>

// The rules of the top-ten table: who gets a place, how a new entry goes in, and
// what a name becomes.
namespace score_rules {

constexpr int kNoPlace = 10;
constexpr int kNameChars = 6;

// The place (0..9) of the candidate in entry 10, or kNoPlace. Higher scores go
// first; on equal scores fewer misses go first; otherwise the older entry stays ahead.
int rank(const ScoreTable& table);

// Moves entries place..8 down by one (the old tenth drops out) and puts the
// candidate of entry 10 at `place` under `name`.
void enter_candidate(ScoreTable& table, int place, const QString& name);

// The name a typed answer is stored as, exactly as the score file holds it: six
// characters (not UTF-16 units), control characters as blanks, what the code page
// cannot hold as "?", blank-filled. An answer of blanks only (or none) becomes the
// date name of `today`.
QString stored_name(const QString& typed, const QDate& today);

// The date as a name: the year's last two digits, the month and the day without
// leading zeros, run together and blank-filled to six (7 Dec 2026: "26127 ").
QString date_name(const QDate& date);

} // namespace score_rules
