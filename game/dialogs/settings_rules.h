#pragma once
#include "game/data/game_settings.h"
#include <QString>
#include <optional>

// What the settings dialog does with the three texts when OK is pressed.
namespace settings_rules {

inline const QString kTitle = QString::fromUtf8("ミポぽかん｡設定");
inline const QString kMipoMessage = QString::fromUtf8("ミポちゃんのインターバルの値が正しくありません｡");
inline const QString kMissMessage = QString::fromUtf8("雪男のインターバルの値が正しくありません｡");
inline const QString kRateMessage = QString::fromUtf8("雪男の出現率の値が正しくありません｡0から100で設定して下さい。");
inline const QString kDefaultMipo = QStringLiteral("100");
inline const QString kDefaultMiss = QStringLiteral("300");

struct Texts {
    QString mipo; // set_mipo
    QString miss; // set_miss
    QString rate; // yukisyutu
};

struct Outcome {
    enum class Kind { Unchanged, Refused, Accepted };
    Kind kind = Kind::Unchanged;
    QString message;       // Refused: the message of the first field that failed
    GameSettings settings; // Accepted: the new settings (the weapon as it was)
};

// The texts the dialog shows for `settings`, in plain decimal.
Texts texts_of(const GameSettings& settings);

// A plain decimal number ("12", "-3", "0.5", ".5", with blanks around it), or nullopt.
std::optional<double> plain_decimal(const QString& text);

// Unchanged when all three numbers equal the current settings. Otherwise each field
// in turn is checked as typed, then rounded (halves to even): intervals above 0 and
// at most 32767 and at least 1 once rounded, the rate 0 to 100. Text that is not a
// plain decimal fails its field.
Outcome check(const Texts& texts, const GameSettings& current);

} // namespace settings_rules

#include "game/data/score_entry.h"

namespace settings_rules {

// The table the "initiarize" button writes: ten lines of "ミポ" with 999 points,
// 9 hits, 9 misses and a rate of 99. Entry 10 is left alone.
void fill_initial_table(ScoreTable& table);

} // namespace settings_rules
