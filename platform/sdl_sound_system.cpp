#include "sound.h"
#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <map>

namespace platform {
namespace {

// Where a buffer stands; DirectSound-like semantics on top of a mixer channel.
enum class BufferState { AtStart, Playing, Paused, Ended };

class SdlChannels {
public:
    int take() { Mix_AllocateChannels(next_ + 1); return next_++; }

private:
    int next_ = 0;
};

class SdlSoundBuffer final : public SoundBuffer {
public:
    SdlSoundBuffer(Mix_Chunk* chunk, int channel) : chunk_(chunk), channel_(channel) {}
    ~SdlSoundBuffer() override
    {
        if (chunk_) {
            Mix_HaltChannel(channel_);
            Mix_FreeChunk(chunk_);
        }
    }

    void play() override
    {
        if (!chunk_)
            return;
        refresh();
        switch (state_) {
        case BufferState::AtStart:
            if (Mix_PlayChannel(channel_, chunk_, 0) >= 0)
                state_ = BufferState::Playing;
            break;
        case BufferState::Paused:
            Mix_Resume(channel_);
            state_ = BufferState::Playing;
            break;
        case BufferState::Playing:
        case BufferState::Ended:
            break;
        }
    }

    void stop() override
    {
        if (!chunk_)
            return;
        refresh();
        if (state_ == BufferState::Playing) {
            Mix_Pause(channel_);
            state_ = BufferState::Paused;
        }
    }

    void rewind() override
    {
        if (!chunk_)
            return;
        Mix_HaltChannel(channel_);
        state_ = BufferState::AtStart;
    }

    bool is_playing() const override
    {
        const_cast<SdlSoundBuffer*>(this)->refresh();
        return state_ == BufferState::Playing;
    }

private:
    void refresh()
    {
        if (state_ == BufferState::Playing && !Mix_Playing(channel_))
            state_ = BufferState::Ended;
    }

    Mix_Chunk* chunk_;
    int channel_;
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
    explicit SdlSimplePlayer(int channel) : channel_(channel) {}
    ~SdlSimplePlayer() override
    {
        Mix_HaltChannel(channel_);
        for (auto& [path, chunk] : cache_)
            if (chunk)
                Mix_FreeChunk(chunk);
    }

    void play(const QString& path) override
    {
        Mix_HaltChannel(channel_);
        Mix_Chunk* chunk = load(path);
        if (chunk)
            Mix_PlayChannel(channel_, chunk, 0);
    }

private:
    Mix_Chunk* load(const QString& path)
    {
        auto it = cache_.find(path);
        if (it != cache_.end())
            return it->second;
        Mix_Chunk* chunk = QFile::exists(path) ? Mix_LoadWAV(QFile::encodeName(path).constData()) : nullptr;
        cache_.emplace(path, chunk);
        return chunk;
    }

    int channel_;
    std::map<QString, Mix_Chunk*> cache_;
};

class SilentPlayer final : public SimplePlayer {
public:
    void play(const QString&) override {}
};

class SdlSoundSystem final : public SoundSystem {
public:
    SdlSoundSystem()
    {
        // SDL would otherwise take SIGINT and SIGTERM for itself, and a program that
        // never reads SDL's events would no longer end when asked to.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return;
        sdl_up_ = true;
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0)
            return;
        open_ = true;
        player_ = std::make_unique<SdlSimplePlayer>(channels_.take());
    }
    ~SdlSoundSystem() override
    {
        player_.reset();
        if (open_)
            Mix_CloseAudio();
        if (sdl_up_)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    std::unique_ptr<SoundBuffer> make_buffer(const QString& path) override
    {
        if (!open_ || !QFile::exists(path))
            return std::make_unique<SilentBuffer>();
        Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
        if (!chunk)
            return std::make_unique<SilentBuffer>();
        return std::make_unique<SdlSoundBuffer>(chunk, channels_.take());
    }

    SimplePlayer& simple_player() override { return player_ ? *player_ : silent_; }
    bool has_device() const override { return open_; }

private:
    bool sdl_up_ = false;
    bool open_ = false;
    SdlChannels channels_;
    std::unique_ptr<SimplePlayer> player_;
    SilentPlayer silent_;
};

} // namespace

std::unique_ptr<SoundSystem> make_sdl_sound_system()
{
    return std::make_unique<SdlSoundSystem>();
}

} // namespace platform
