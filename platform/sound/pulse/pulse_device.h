#pragma once
#include "pulse_loop.h"
#include "pulse_stream.h"
#include <QTimer>

namespace platform {

// The device end on the sound server itself (libpulse; PipeWire serves the same API):
// a playback stream of our own that keeps `buffer_frames` queued on the server, as the
// slack against a busy machine, and asks for more every `period_frames`. A new sound
// does not wait behind that queue: the mix is written again over what the server has
// not yet played, from a few milliseconds past the moment it plays now (the queue is
// rewritten in place, at absolute positions, so what is already heard stays as it was).
// PipeWire's PulseAudio service does not take back what it has read: there the rewrite
// starts a few milliseconds past what it has read. Nothing starts in the first frames
// of a new stream, which the server never plays (see PulseStream::first_heard_frame()).
//
// While nothing sounds the stream is held (corked) on the server, after `close_after_ms`
// of silence: it asks for nothing, so no thread of ours wakes, and the server may suspend
// its sink. On PipeWire the next sound is written where the server will read first, and
// only then is the stream let go: no margin is needed, as the server reads nothing while it
// holds it (see PulseStream::held_frame()); on PulseAudio it goes a margin past the playing moment, as
// every change. The stream is made once, at the start, and plays silence until the first
// silence holds it: making a stream and setting it going the first time costs PipeWire
// about 40 ms, which no sound should wait for. A server that went away leaves the device
// lost (every sound silent, every call quick) until reconnect().
//
// A server that answers at once is used; one that is not there (refused, no socket) leaves
// the device lost, and one that takes the connection but does not answer leaves it
// connecting: silent, every call quick, until the server answers. reconnect() tries anew
// only when the last try has ended, so a server that never answers costs no wait after the
// first.
//
// Every call is made on the thread that made the device. What the stream's own thread
// works on (the mixer among it) is a PulseStream, reached only with the loop's lock held.
class PulseDevice {
public:
    static constexpr int kRate = PulseStream::kRate;
    struct Options {
        int buffer_frames = 2048; // what the server holds ahead: the slack
        int period_frames = 441;  // how much it asks for at once: the wake-ups
        bool write_ahead = true;  // false: a new sound is appended behind the queue
        int margin_frames = 353;  // how far past the playing moment a rewrite starts (8 ms)
        int close_after_ms = 1000; // the stream is held after this much silence
    };
    PulseDevice(Options options, PulseStream::Names names);
    ~PulseDevice();
    PulseDevice(const PulseDevice&) = delete;
    PulseDevice& operator=(const PulseDevice&) = delete;

    // Whether a server answered and has not gone away.
    bool ready() const;
    // Whether a server took the connection: it answered, or it has not answered yet.
    bool server_there() const { return state_ != State::Lost; }
    void reconnect();

    int add_voice() { return loop_.lock()->add_voice(); }
    // Each changes a voice from the moment the server can still change and returns the
    // device's session then (see session()); -1 when the device is lost (nothing plays).
    int start(int voice, std::shared_ptr<const Pcm> pcm);
    int pause(int voice);
    int resume(int voice);
    int halt(int voice);
    // Still to be heard from the moment playing now.
    bool sounding(int voice);
    // Changes whenever the device opens, closes or is lost: a voice started in an earlier
    // session no longer holds its sound.
    int session();

private:
    // Open: the stream plays; Idle: it is held (or still being made); Connecting: the server
    // took the connection but has not answered; Lost: no server.
    enum class State { Open, Idle, Connecting, Lost };
    void connect();
    void close();
    void wake();
    void hold();
    void settle();
    template <class Change>
    int change(Change c);
    template <class Change>
    int silence(Change c);
    void check_silence();
    void arm_silence_timer(int ms);
    void notice();

    Options options_;
    State state_ = State::Lost;
    int session_ = 0;
    int settle_tries_ = 0;
    QTimer silence_timer_;
    QTimer settle_timer_;
    PulseLoop<PulseStream> loop_;
};

} // namespace platform
