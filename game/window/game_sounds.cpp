#include "game_sounds.h"

GameSounds::GameSounds(platform::SoundSystem& system, const QString& wav_dir)
    : system_(system), wav_dir_(wav_dir)
{
    for (auto& buffer : hit_buffers_)
        buffer = system_.make_buffer(wav_dir_ + QStringLiteral("q1.wav"));
    open_buffer_ = system_.make_buffer(wav_dir_ + QStringLiteral("open_mpkx.wav"));
    zan_buffer_ = system_.make_buffer(wav_dir_ + QStringLiteral("zantetuken.wav"));
    music_buffer_ = system_.make_buffer(wav_dir_ + QStringLiteral("kirakira.wav"));
}

void GameSounds::play_simple(const QString& file_name)
{
    system_.simple_player().play(wav_dir_ + file_name);
}
