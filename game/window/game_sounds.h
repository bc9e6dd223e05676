#pragma once
#include "game/play/game_cues.h"
#include "platform/sound/sound.h"
#include <QString>
#include <array>
#include <memory>

// The game's sounds, prepared once: one hit buffer per hole (so hits at different
// holes overlap), the opening, the ZAN sound and the game music; plus the simple
// player for one-shot effects. Missing files or no device mean silence. They are
// the cues a game asks for; once released (the window has closed) they are silent.
class GameSounds final : public GameCues {
public:
    GameSounds(platform::SoundSystem& system, const QString& wav_dir);

    // Lets go of every buffer; from then on every cue plays nothing.
    void release();

    platform::SoundBuffer& hit_buffer(int hole) { return *hit_buffers_.at(hole); }
    platform::SoundBuffer& open_buffer() { return *open_buffer_; }
    platform::SoundBuffer& zan_buffer() { return *zan_buffer_; }
    platform::SoundBuffer& music_buffer() { return *music_buffer_; }

    // GameCues
    void restart_hit(int hole) override;
    // A one-shot sound from the sound folder; replaces the one-shot that is playing.
    void play_simple(const QString& file_name) override;
    void music_stop() override;
    void music_rewind() override;
    void music_play() override;

private:
    platform::SoundSystem& system_;
    QString wav_dir_;
    std::array<std::unique_ptr<platform::SoundBuffer>, 9> hit_buffers_;
    std::unique_ptr<platform::SoundBuffer> open_buffer_;
    std::unique_ptr<platform::SoundBuffer> zan_buffer_;
    std::unique_ptr<platform::SoundBuffer> music_buffer_;
    bool released_ = false;
};
