#pragma once
#include "game_settings.h"
#include "game/data/comment_file.h"
#include "game/data/score_entry.h"
#include <QString>
#include <array>

// What the game keeps between runs, in memory: the top-ten table, the comment
// lists and the settings.
struct GameData {
    ScoreTable score_table;
    std::array<QString, comment_file::kHitComments> hit_comments;
    std::array<QString, comment_file::kMissComments> miss_comments;
    GameSettings settings;
};
