#pragma once

// How a build of the game plays, where the two builds differ. All off: the current build.
struct PlayOptions {
    bool music_through_pause = false;      // a pause leaves the music playing
    bool count_down_clock_comment = false; // the comment line counts the count-down's milliseconds
    bool hit_sound_simple = false;         // a hit on the board plays through the one-shot player
    bool board_tip = false;                // the board's tool tip tells of the right-click menu between games
};
