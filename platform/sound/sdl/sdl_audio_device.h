#pragma once
#include "platform/sound/sound.h"
#include <QTimer>
#include <SDL_audio.h>

namespace platform {

// SDL_mixer's output device, open only while something sounds. SDL's audio thread mixes
// and wakes all the time once a device is open, even for silence (a paused SDL device
// goes on writing silence too), so the device is closed after a short silence and opened
// again by the next sound, before that sound starts.
//
// A device that cannot be opened again (no device, or its sound server went away) is
// lost: sounds are silent, and only reconnect() tries again, at a moment the caller
// chooses (the start of a game), never the sounds themselves.
class SdlAudioDevice {
public:
    explicit SdlAudioDevice(SoundOptions options);
    ~SdlAudioDevice();
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    // Before a sound starts: opens the device when it is closed. False when there is none.
    bool wake();
    // After a sound of `ms` has started: the device closes once all is silent again.
    void sounding(int ms);
    // After a sound was halted before its end: the device closes once all is silent.
    void halted();
    // Whether sounds can be loaded for this device now (open, or closed while idle).
    bool ready() const { return state_ != State::Lost; }
    bool is_open() const { return state_ == State::Open; }
    // A lost device, or one whose server has gone away while it was open, is opened anew.
    void reconnect();
    // A mixer channel of its own for a buffer; kept across closing and opening.
    int take_channel();
    // Changes whenever the device opens or closes: a channel started in an earlier
    // session no longer holds its sound.
    int session() const { return session_; }

private:
    enum class State { Open, Idle, Lost };
    bool open();
    void close();
    void check_silence();
    void arm_silence_timer(int ms);
    bool server_gone() const;

    SoundOptions options_;
    State state_ = State::Lost;
    bool sdl_up_ = false;
    int channels_ = 0;
    int session_ = 0;
    SDL_AudioDeviceID device_ = 0; // the mixer's device, for its status
    int first_rate_ = 0;           // the format the loaded sounds were converted to
    Uint16 first_format_ = 0;
    int first_channels_ = 0;
    QTimer silence_timer_;
};

} // namespace platform
