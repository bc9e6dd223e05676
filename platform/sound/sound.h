#pragma once
#include <QString>
#include <cstdint>
#include <functional>
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
    // Tries once more to reach a device that was lost (no device at the start, or its
    // sound server went away); the sounds made before play on it. Nothing when all is well.
    virtual void reconnect() = 0;
};

struct SoundOptions {
    // SDL's device: frames of the mixer's buffer at 44.1 kHz, 23.2 ms. Measured on a real
    // sound server (bench/sound): 512 underran several times a game on a busy machine.
    int buffer_frames = 1024;
    // The sound server's own device end (pulse_device.h): what the server holds ahead,
    // how much it asks for at once, and whether a new sound is written over the queue
    // from a few milliseconds past the playing moment (else it waits behind the queue).
    int pulse_buffer_frames = 2048;
    int pulse_period_frames = 441;
    bool pulse_write_ahead = true;
    int pulse_margin_frames = 353;
    // Silence after which the device closes (its thread stops waking); -1: never.
    int close_after_ms = 1000;
    // SDL's device only: sees every block the mixer hands to the device, 16-bit stereo,
    // on the audio thread.
    std::function<void(const int16_t* samples, int count)> tap;
};

// The sound server's own device end (libpulse) when SDL_AUDIODRIVER does not ask for an
// SDL driver and a PulseAudio server (or PipeWire's) answers; SDL's device otherwise.
std::unique_ptr<SoundSystem> make_sound_system(SoundOptions options = {});

// On SDL2_mixer (audio only), through SDL's device. Without a device every sound is silent.
std::unique_ptr<SoundSystem> make_sdl_sound_system(SoundOptions options = {});

// On the sound server's own device end; without a server every sound is silent.
std::unique_ptr<SoundSystem> make_pulse_sound_system(const SoundOptions& options = {});

} // namespace platform
