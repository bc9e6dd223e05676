#pragma once
#include "sound.h"

namespace platform {

// A sound buffer on a channel of a device that opens and closes, with sound.h's
// semantics: play() starts from the beginning or goes on after stop(), stop() keeps the
// place, rewind() goes back to the start, and a sound that has played to its end stays
// ended until rewound. A device that has gone quiet (closed or held) or was lost since
// the sound started (a session of its own) no longer holds it: the sound has ended.
class ChannelBuffer : public SoundBuffer {
public:
    void play() final;
    void stop() final;
    void rewind() final;
    bool is_playing() const final;

protected:
    // What the device end does to the channel; start() and resume() say false when
    // nothing plays (no device, no sound).
    virtual int session() const = 0;
    virtual bool start() = 0;
    virtual bool resume() = 0;
    virtual void pause() = 0;
    virtual void halt() = 0;
    virtual bool sounding() const = 0; // not yet at its end
    // The channel still holds this buffer's sound (for the derived class's destructor).
    bool live() const;

private:
    enum class State { AtStart, Playing, Paused, Ended };
    void refresh() const;
    mutable State state_ = State::AtStart;
    int session_ = -1;
};

// A buffer whose file is missing or cannot be read.
class SilentBuffer final : public SoundBuffer {
public:
    void play() override {}
    void stop() override {}
    void rewind() override {}
    bool is_playing() const override { return false; }
};

} // namespace platform
