#include "platform/sound/sound.h"
#include "platform/sound/channel_buffer.h"
#include "sdl_audio_device.h"
#include "platform/sound/wav_pcm.h"
#include <QFile>
#include <SDL_mixer.h>
#include <map>

namespace platform {
namespace {

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
            const QByteArray file = read_sound_file(path_);
            if (!file.isEmpty())
                chunk_ = Mix_LoadWAV_RW(SDL_RWFromConstMem(file.constData(), static_cast<int>(file.size())), 1);
        }
        return chunk_;
    }

private:
    QString path_;
    Mix_Chunk* chunk_ = nullptr;
    bool tried_ = false;
};

class SdlSoundBuffer final : public ChannelBuffer {
public:
    SdlSoundBuffer(SdlAudioDevice& device, const QString& path)
        : device_(device), sound_(path), channel_(device.take_channel())
    {
        if (device_.wake())
            sound_.get();
    }
    ~SdlSoundBuffer() override
    {
        if (live())
            Mix_HaltChannel(channel_);
    }

private:
    int session() const override { return device_.session(); }
    bool start() override
    {
        return begin([this](Mix_Chunk* chunk) { return Mix_PlayChannel(channel_, chunk, 0) >= 0; });
    }
    bool resume() override
    {
        return begin([this](Mix_Chunk*) {
            Mix_Resume(channel_);
            return true;
        });
    }
    void pause() override { Mix_Pause(channel_); }
    void halt() override
    {
        Mix_HaltChannel(channel_);
        device_.halted();
    }
    bool sounding() const override { return Mix_Playing(channel_); }

    template <class Go>
    bool begin(Go go)
    {
        if (!device_.wake())
            return false;
        Mix_Chunk* chunk = sound_.get();
        if (!chunk || !go(chunk))
            return false;
        device_.sounding(length_ms(chunk));
        return true;
    }

    SdlAudioDevice& device_;
    LoadedSound sound_;
    int channel_;
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
    explicit SdlSoundSystem(SoundOptions options) : device_(std::move(options)), player_(device_) {}

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

std::unique_ptr<SoundSystem> make_sdl_sound_system(SoundOptions options)
{
    return std::make_unique<SdlSoundSystem>(std::move(options));
}

} // namespace platform
