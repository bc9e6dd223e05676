#pragma once
#include "platform/sound/timeline_mixer.h"
#include <QByteArray>
#include <algorithm>
#include <chrono>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_server_info;
struct pa_mainloop_api;

namespace platform {

// Everything the thread of libpulse's loop works on: the connection to the server, our
// playback stream on it, the mixer whose voices it mixes and what is known of the server's
// timing. It lives inside a PulseLoop (pulse_loop.h), which hands it out only with the loop's
// lock held, and every method here is called so; its callbacks run on the loop's thread,
// which holds the lock. PulseDevice (pulse_device.h) says what the stream does and why.
class PulseStream {
public:
    static constexpr int kRate = 44100;
    struct Options {
        int buffer_frames = 2048;
        int period_frames = 441;
        bool write_ahead = true;
        int margin_frames = 353;
    };
    // How the server and the desktop know the stream (UTF-8).
    struct Names {
        QByteArray application; // its own name, shown in the desktop's sound settings
        QByteArray id;          // its menu entry's name
        QByteArray icon;        // the icon of its menu entry
    };
    enum class Reach { Connecting, Ready, Failed };

    PulseStream(Options options, Names names) : options_(options), names_(std::move(names)) {}
    ~PulseStream() { disconnect(); }
    PulseStream(const PulseStream&) = delete;
    PulseStream& operator=(const PulseStream&) = delete;

    // Begins to connect to the server (without waiting for it): once it answers, the stream is
    // made, held until wake(). False when libpulse could not even begin.
    bool connect(pa_mainloop_api* api);
    void disconnect();
    // Connecting: no answer yet; Ready: the server answered (the stream may still be being
    // made); Failed: refused, never there, or gone since.
    Reach reach() const;

    int add_voice() { return mixer_.add_voice(); }
    // The stream plays again (or, still being made, plays as soon as it is ready).
    void wake();
    // Silence: the server holds the stream where it is; every voice stops. True when where
    // it stopped is to be settled (see settle()).
    bool hold();
    // After a hold, on a server that does not take back what it read: asks again where the
    // server stopped reading. True while that is not known.
    bool settle();
    // Changes the mix from the moment the server can still change (see PulseDevice) and
    // writes it anew from there; `waking` when the stream was held. `c(mixer, at)` makes
    // the change. Returns the frames from the playing moment to the end of what sounds.
    template <class Change>
    int64_t change(bool waking, Change c);
    bool sounding(int voice);
    // Nothing is heard from the playing moment on, and nothing is paused to go on later.
    bool quiet();

private:
    static void on_context_state(pa_context* c, void* self);
    static void on_stream_state(pa_stream* s, void* self);
    static void on_write(pa_stream* s, size_t bytes, void* self);
    static void on_started(pa_stream* s, void* self);
    static void on_server_info(pa_context* c, const pa_server_info* info, void* self);
    static void on_timing(pa_stream* s, int success, void* self);
    void make_stream();
    bool stream_ready() const;
    void hold_stream();
    void let_go();
    void ask_timing();
    void ask_fresh_timing();
    int64_t playing_frame();
    int64_t reported_frame();
    int64_t read_frame();
    int64_t reported_read();
    int64_t rewrite_from();
    int64_t keep_order(int64_t at);
    int64_t held_frame();
    int64_t first_heard_frame() const;
    void write(int64_t from, int64_t frames);

    Options options_;
    Names names_;
    TimelineMixer mixer_;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool failed_ = false;
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
    bool server_rewinds_ = true;  // takes back what its sink read but has not played
};

// A change that wakes the held stream is written where the server reads first when it goes
// on, before it is let go: heard from the first moment the stream plays again.
template <class Change>
int64_t PulseStream::change(bool waking, Change c)
{
    int64_t at = waking ? held_frame() : -1;
    const bool let_go_after = at >= 0;
    if (waking) {
        held_ = false;
        if (!let_go_after) // where the server goes on is not known: from the moment it does
            let_go();
    }
    at = let_go_after ? keep_order(at) : rewrite_from();
    c(mixer_, at);
    write(at, written_ - at);
    if (let_go_after)
        let_go();
    return std::max<int64_t>(0, mixer_.quiet_from() - playing_frame());
}

} // namespace platform
