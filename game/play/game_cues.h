#pragma once
#include <QString>

// The sounds a game asks for. The window plays them through its sound buffers.
class GameCues {
public:
    virtual ~GameCues() = default;
    // The hole's own hit buffer from the start: stop, rewind, play once.
    virtual void restart_hit(int hole) = 0;
    // A one-shot sound file of the sound folder; replaces the one-shot playing.
    virtual void play_simple(const QString& file_name) = 0;
    virtual void music_stop() = 0;   // keeps the position
    virtual void music_rewind() = 0;
    virtual void music_play() = 0;   // once, from the current position
};
