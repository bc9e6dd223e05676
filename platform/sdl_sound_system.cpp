#include "sound.h"
#include "sdl_audio_device.h"
#include <QFile>
#include <SDL_mixer.h>
#include <map>

namespace platform {
namespace {

// Where a buffer stands; DirectSound-like semantics on top of a mixer channel.
enum class BufferState { AtStart, Playing, Paused, Ended };

int length_ms(const Mix_Chunk* chunk)
{
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&rate, &format, &channels) || rate <= 0)
        return 0;
    const int frame_bytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
    return static_cast<int>(static_cast<long long>(chunk->alen) * 1000 / (static_cast<long long>(rate) * frame_bytes));
}

// A sound file converted for the device; loaded when the device is there, at the latest
// when the sound first plays on it. A file that cannot be read is tried once.
class LoadedSound {
public:
    LoadedSound() = default;
    explicit LoadedSound(QString path) : path_(std::move(path)) {}
    LoadedSound(const LoadedSound&) = delete;
    LoadedSound& operator=(const LoadedSound&) = delete;
    ~LoadedSound()
    {
        if (chunk_)
            Mix_FreeChunk(chunk_);
    }

    // Needs the device open.
    Mix_Chunk* get()
    {
        if (!chunk_ && !tried_) {
            tried_ = true;
            chunk_ = Mix_LoadWAV(QFile::encodeName(path_).constData());
        }
        return chunk_;
    }

private:
    QString path_;
    Mix_Chunk* chunk_ = nullptr;
    bool tried_ = false;
};

class SdlSoundBuffer final : public SoundBuffer {
public:
    SdlSoundBuffer(SdlAudioDevice& device, const QString& path) : device_(device), sound_(path), channel_(device.take_channel())
    {
        if (device_.wake())
            sound_.get();
    }
    ~SdlSoundBuffer() override
    {
        if (live())
            Mix_HaltChannel(channel_);
    }

    void play() override
    {
        refresh();
        if (state_ == BufferState::Playing || state_ == BufferState::Ended || !device_.wake())
            return;
        Mix_Chunk* chunk = sound_.get();
        if (!chunk)
            return;
        if (state_ == BufferState::Paused) {
            Mix_Resume(channel_);
        } else if (Mix_PlayChannel(channel_, chunk, 0) < 0) {
            return;
        } else {
            session_ = device_.session();
        }
        state_ = BufferState::Playing;
        device_.sounding(length_ms(chunk));
    }

    void stop() override
    {
        refresh();
        if (state_ == BufferState::Playing) {
            Mix_Pause(channel_);
            state_ = BufferState::Paused;
        }
    }

    void rewind() override
    {
        if (live())
            Mix_HaltChannel(channel_);
        state_ = BufferState::AtStart;
    }

    bool is_playing() const override
    {
        const_cast<SdlSoundBuffer*>(this)->refresh();
        return state_ == BufferState::Playing;
    }

private:
    // The channel still holds this buffer's sound: the device has stayed open since it started.
    bool live() const
    {
        return (state_ == BufferState::Playing || state_ == BufferState::Paused) && session_ == device_.session();
    }

    void refresh()
    {
        if ((state_ == BufferState::Playing || state_ == BufferState::Paused) && !live())
            state_ = BufferState::Ended;
        else if (state_ == BufferState::Playing && !Mix_Playing(channel_))
            state_ = BufferState::Ended;
    }

    SdlAudioDevice& device_;
    LoadedSound sound_;
    int channel_;
    int session_ = -1;
    BufferState state_ = BufferState::AtStart;
};

class SilentBuffer final : public SoundBuffer {
public:
    void play() override {}
    void stop() override {}
    void rewind() override {}
    bool is_playing() const override { return false; }
};

class SdlSimplePlayer final : public SimplePlayer {
public:
    explicit SdlSimplePlayer(SdlAudioDevice& device) : device_(device), channel_(device.take_channel()) {}
    ~SdlSimplePlayer() override
    {
        if (device_.is_open())
            Mix_HaltChannel(channel_);
    }

    void play(const QString& path) override
    {
        if (!device_.wake())
            return;
        Mix_HaltChannel(channel_);
        Mix_Chunk* chunk = load(path);
        if (chunk && Mix_PlayChannel(channel_, chunk, 0) >= 0)
            device_.sounding(length_ms(chunk));
    }

private:
    Mix_Chunk* load(const QString& path)
    {
        auto it = cache_.find(path);
        if (it == cache_.end())
            it = cache_.try_emplace(path, QFile::exists(path) ? path : QString()).first;
        return it->second.get();
    }

    SdlAudioDevice& device_;
    int channel_;
    std::map<QString, LoadedSound> cache_;
};

class SdlSoundSystem final : public SoundSystem {
public:
    explicit SdlSoundSystem(SdlSoundOptions options) : device_(std::move(options)), player_(device_) {}

    std::unique_ptr<SoundBuffer> make_buffer(const QString& path) override
    {
        if (!QFile::exists(path))
            return std::make_unique<SilentBuffer>();
        return std::make_unique<SdlSoundBuffer>(device_, path);
    }

    SimplePlayer& simple_player() override { return player_; }
    bool has_device() const override { return device_.ready(); }
    void reconnect() override { device_.reconnect(); }

private:
    SdlAudioDevice device_;
    SdlSimplePlayer player_;
};

} // namespace

std::unique_ptr<SoundSystem> make_sdl_sound_system(SdlSoundOptions options)
{
    return std::make_unique<SdlSoundSystem>(std::move(options));
}

} // namespace platform
