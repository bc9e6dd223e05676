#pragma once
#include "timeline_mixer.h"
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_server_info;

namespace platform {

// The device end on the sound server itself (libpulse; PipeWire serves the same API):
// a playback stream of our own that keeps `buffer_frames` queued on the server, as the
// slack against a busy machine, and asks for more every `period_frames`. A new sound
// does not wait behind that queue: the mix is written again over what the server has
// not yet played, from a few milliseconds past the moment it plays now (the queue is
// rewritten in place, at absolute positions, so what is already heard stays as it was).
// PipeWire's PulseAudio service does not take back what it has read: there the rewrite
// starts a few milliseconds past what it has read. Nothing starts in the first frames
// of a new stream, which the server never plays (see first_heard_frame()).
//
// While nothing sounds the stream is held (corked) on the server, after `close_after_ms`
// of silence: it asks for nothing, so no thread of ours wakes, and the server may suspend
// its sink. On PipeWire the next sound is written where the server will read first, and
// only then is the stream let go: no margin is needed, as the server reads nothing while it
// holds it (see held_frame()); on PulseAudio it goes a margin past the playing moment, as
// every change. The stream is made once, at the start, and plays silence until the first
// silence holds it: making a stream and setting it going the first time costs PipeWire
// about 40 ms, which no sound should wait for. A server that went away leaves the device
// lost (every sound silent, every call quick) until reconnect().
//
// Every call is made on the thread that made the device; the stream's own thread mixes.
class PulseDevice {
public:
    static constexpr int kRate = 44100;
    struct Options {
        int buffer_frames = 2048; // what the server holds ahead: the slack
        int period_frames = 441;  // how much it asks for at once: the wake-ups
        bool write_ahead = true;  // false: a new sound is appended behind the queue
        int margin_frames = 353;  // how far past the playing moment a rewrite starts (8 ms)
        int close_after_ms = 1000; // the stream is held after this much silence
    };
    explicit PulseDevice(Options options);
    ~PulseDevice();
    PulseDevice(const PulseDevice&) = delete;
    PulseDevice& operator=(const PulseDevice&) = delete;

    // Whether a server answered at the start (or at the last reconnect) and has not gone away.
    bool ready() const { return state_ != State::Lost && !failed_; }
    void reconnect();

    int add_voice() { return mixer_.add_voice(); }
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
    // Open: the stream plays; Idle: it is held (or not made yet); Lost: no server.
    enum class State { Open, Idle, Lost };
    void connect();
    bool open();
    void close();
    bool wake();
    void hold();
    void hold_stream(); // with the loop locked
    void settle();
    void let_go();      // with the loop locked
    void ask_timing();  // with the loop locked
    void ask_fresh_timing(); // with the loop locked
    bool wait_connected();
    template <class Change>
    int change(Change c);
    template <class Change>
    int silence(Change c);
    int64_t playing_frame();   // with the loop locked
    int64_t reported_frame();  // with the loop locked
    int64_t read_frame();      // with the loop locked
    int64_t reported_read();   // with the loop locked
    int64_t rewrite_from();    // with the loop locked
    int64_t keep_order(int64_t at); // with the loop locked
    int64_t held_frame();      // with the loop locked
    int64_t first_heard_frame() const;
    void write(int64_t from, int64_t frames); // with the loop locked
    void check_silence();
    void arm_silence_timer(int ms);
    void notice_failure();

    static void on_context_state(pa_context* c, void* self);
    static void on_stream_state(pa_stream* s, void* self);
    static void on_write(pa_stream* s, size_t bytes, void* self);
    static void on_started(pa_stream* s, void* self);
    static void on_server_info(pa_context* c, const pa_server_info* info, void* self);
    static void on_timing(pa_stream* s, int success, void* self);

    Options options_;
    State state_ = State::Idle;
    int session_ = 0;
    TimelineMixer mixer_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    int64_t written_ = 0;     // frames handed to the server: the end of the queue
    int64_t last_change_ = 0; // no change goes before an earlier one
    std::vector<int16_t> block_;
    std::chrono::steady_clock::time_point started_at_; // when the server last began to play
    int64_t started_frame_ = 0;
    bool timing_fresh_ = false; // a timing report from after that moment arrived
    int timing_asked_ = 0, timing_answered_ = 0, fresh_from_ = 0; // fresh: the fresh_from_'th answer came
    bool held_ = true;          // corked, or to be corked when the stream is ready
    int64_t held_read_ = -1;    // where the server stopped reading the held stream, once settled
    int64_t settle_against_ = -1; // the report before the one asked for last, while settling
    int settle_tries_ = 0;
    bool server_rewinds_ = true; // takes back what its sink read but has not played
    std::atomic<bool> failed_{false};
    QTimer silence_timer_;
    QTimer settle_timer_;
};

} // namespace platform
