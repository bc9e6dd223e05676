#pragma once
// The game's sounds.

#include <QString>

#include "synth.h"

namespace assetgen {

Track make_hit_sound();       // q1.wav: a comic "pokan" bonk
Track make_opening_jingle();  // open_mpkx.wav
Track make_sword_sound();     // zantetuken.wav: swish and clang
Track make_game_music();      // kirakira.wav: the music of one game

// Writes all four into wav_dir.
void write_sounds(const QString& wav_dir);

}  // namespace assetgen
