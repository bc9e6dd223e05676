#pragma once
#include "game/data/score_entry.h"
#include <QString>

// What the game says about a finished game and the top-ten table.
namespace score_texts {

inline const QString kResultTitle = QString::fromUtf8("終わり");
inline const QString kNameTitle = QString::fromUtf8("ミポぽかん｡2000");
inline const QString kTableTitle = QString::fromUtf8("ミポぽかん｡2000のスコア");

// "貴方は7匹のミポをに★を与えました。"
QString result_message(int hits);
// The name question for place 0..9, its lines split by CR.
QString name_prompt(int place);
// "貴方は1位 name 1200点 12hit 3回のミス 80%": the player's line, also written on the desktop.
QString player_line(const ScoreTable& table, int place);
// The table's text: the player's line and an empty line first when `place` is 0..9,
// then the ten entries, each line ending in CR LF.
QString table_text(const ScoreTable& table, int place);

} // namespace score_texts
