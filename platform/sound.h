#pragma once
#include <QString>
#include <memory>

namespace platform {

// A sound loaded once and played on its own: several buffers sound at once.
// stop() halts and keeps the position, rewind() goes back to the start,
// play() plays once from the current position (and does nothing while playing).
// A buffer whose file or device is missing stays silent; nothing here fails loudly.
class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void rewind() = 0;
    virtual bool is_playing() const = 0;
};

// Fire-and-forget sounds: a new one replaces the one that is playing.
class SimplePlayer {
public:
    virtual ~SimplePlayer() = default;
    virtual void play(const QString& path) = 0;
};

class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    virtual std::unique_ptr<SoundBuffer> make_buffer(const QString& path) = 0;
    virtual SimplePlayer& simple_player() = 0;
    virtual bool has_device() const = 0;
};

// The real one, on SDL2_mixer (audio only). Without a device every sound is silent.
std::unique_ptr<SoundSystem> make_sdl_sound_system();

} // namespace platform
