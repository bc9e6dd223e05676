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
    if (!released_)
        system_.simple_player().play(wav_dir_ + file_name);
}

void GameSounds::release()
{
    released_ = true;
    for (auto& buffer : hit_buffers_)
        buffer.reset();
    open_buffer_.reset();
    zan_buffer_.reset();
    music_buffer_.reset();
}

void GameSounds::restart_hit(int hole)
{
    if (released_)
        return;
    platform::SoundBuffer& buffer = hit_buffer(hole);
    buffer.stop();
    buffer.rewind();
    buffer.play();
}

void GameSounds::music_stop()
{
    if (!released_)
        music_buffer_->stop(); // keeps the position
}

void GameSounds::music_rewind()
{
    if (!released_)
        music_buffer_->rewind();
}

void GameSounds::music_play()
{
    if (!released_)
        music_buffer_->play();
}
