#pragma once
#include <cstdint>

// What the main window is doing, as far as a game is concerned.
enum class GameMode : int16_t {
    Startup = 0, // after start-up, before the first game (and for a moment inside a reset)
    Ready = 1,   // waiting after a game or a reset
    Playing = 2, // counting down or playing
    Paused = 3,
    Result = 4,  // a finished game's result is being handled
};
