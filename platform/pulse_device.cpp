#include "pulse_device.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>
#include <cstring>
#include <pulse/pulseaudio.h>

namespace platform {
namespace {

constexpr int kFrameBytes = 4; // 16-bit stereo
constexpr int kConnectWaitMs = 1000;
constexpr int kSettleMs = 50; // between the reports that show where a held stream stopped
constexpr int kSettleTries = 40;

} // namespace

PulseDevice::PulseDevice(Options options) : options_(options)
{
    silence_timer_.setSingleShot(true);
    QObject::connect(&silence_timer_, &QTimer::timeout, [this] { check_silence(); });
    settle_timer_.setSingleShot(true);
    QObject::connect(&settle_timer_, &QTimer::timeout, [this] { settle(); });
    connect();
}

PulseDevice::~PulseDevice()
{
    close();
}

bool PulseDevice::open()
{
    failed_ = false;
    written_ = 0;
    last_change_ = 0;
    started_at_ = {};
    started_frame_ = 0;
    timing_fresh_ = false;
    timing_asked_ = timing_answered_ = fresh_from_ = 0;
    server_rewinds_ = true;
    held_ = true;
    loop_ = pa_threaded_mainloop_new();
    if (!loop_)
        return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "mipo-suite");
    if (!context_)
        return false;
    pa_context_set_state_callback(context_, on_context_state, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0
        || pa_threaded_mainloop_start(loop_) < 0)
        return false;
    return true;
}

// Connects and makes the stream, which plays (silence) until the first silence holds it: the
// server sets a stream going much more slowly the first time (PipeWire: about 40 ms), and the
// first sound should not wait for that.
void PulseDevice::connect()
{
    if (open() && wait_connected() && wake()) {
        arm_silence_timer(options_.close_after_ms);
        return;
    }
    close();
    state_ = State::Lost;
}

// Waits (a bounded time) until the server answered or refused.
bool PulseDevice::wait_connected()
{
    const QDeadlineTimer deadline(kConnectWaitMs);
    for (;;) {
        pa_threaded_mainloop_lock(loop_);
        const pa_context_state_t s = pa_context_get_state(context_);
        pa_threaded_mainloop_unlock(loop_);
        if (s == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(s) || deadline.hasExpired())
            return false;
        QThread::usleep(200);
    }
}

void PulseDevice::close()
{
    silence_timer_.stop();
    settle_timer_.stop();
    if (loop_) {
        pa_threaded_mainloop_lock(loop_);
        if (stream_) {
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
            stream_ = nullptr;
        }
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
    mixer_.halt_all();
    if (state_ == State::Open) {
        state_ = State::Idle;
        ++session_;
    }
}

// The next sound lets the held stream go on.
bool PulseDevice::wake()
{
    if (!loop_)
        return false;
    pa_threaded_mainloop_lock(loop_);
    held_ = false;
    let_go();
    pa_threaded_mainloop_unlock(loop_);
    state_ = State::Open;
    ++session_;
    return true;
}

// Silence: the server holds the stream where it is; what it still had queued (silence)
// is played when the stream goes on.
void PulseDevice::hold()
{
    silence_timer_.stop();
    pa_threaded_mainloop_lock(loop_);
    held_ = true;
    hold_stream();
    mixer_.halt_all();
    pa_threaded_mainloop_unlock(loop_);
    state_ = State::Idle;
    ++session_;
    settle_tries_ = 0;
    if (!server_rewinds_)
        settle_timer_.start(kSettleMs);
}

// A server that does not take back what it read (PipeWire) may still read a block or so
// after it answered the hold: where it stopped is known once a report asked for a while
// later agrees with the one before it (see on_timing()).
void PulseDevice::settle()
{
    pa_threaded_mainloop_lock(loop_);
    if (held_ && held_read_ < 0 && timing_fresh_ && stream_) {
        settle_against_ = reported_read();
        ask_fresh_timing();
    }
    const bool again = held_ && held_read_ < 0 && ++settle_tries_ < kSettleTries;
    pa_threaded_mainloop_unlock(loop_);
    if (again)
        settle_timer_.start(kSettleMs);
}

void PulseDevice::hold_stream()
{
    held_read_ = settle_against_ = -1;
    if (!stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY)
        return;
    if (pa_operation* o = pa_stream_cork(stream_, 1, nullptr, nullptr))
        pa_operation_unref(o);
    ask_fresh_timing(); // where the server stopped reading (see held_frame())
}

// The server plays the stream again from where it held it. Until a timing report from after
// this moment arrives, the playing frame is reckoned from the time since (see playing_frame()).
// A stream still being made is let go as soon as it is ready.
void PulseDevice::let_go()
{
    if (!stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY)
        return;
    held_read_ = -1;
    if (pa_stream_is_corked(stream_) == 1)
        if (pa_operation* o = pa_stream_cork(stream_, 0, nullptr, nullptr))
            pa_operation_unref(o);
    started_at_ = std::chrono::steady_clock::now();
    started_frame_ = reported_frame();
    ask_fresh_timing();
}

// Until its answer comes, the timing known is from before now.
void PulseDevice::ask_fresh_timing()
{
    timing_fresh_ = false;
    ask_timing();
    fresh_from_ = timing_asked_;
}

void PulseDevice::ask_timing()
{
    if (pa_operation* o = pa_stream_update_timing_info(stream_, on_timing, this)) {
        pa_operation_unref(o);
        ++timing_asked_;
    }
}

void PulseDevice::on_context_state(pa_context* c, void* self)
{
    auto* d = static_cast<PulseDevice*>(self);
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY: {
        if (pa_operation* o = pa_context_get_server_info(c, on_server_info, d))
            pa_operation_unref(o);
        const pa_sample_spec format{PA_SAMPLE_S16NE, kRate, 2};
        d->stream_ = pa_stream_new(c, "sound", &format, nullptr);
        if (!d->stream_) {
            d->failed_ = true;
            break;
        }
        pa_stream_set_state_callback(d->stream_, on_stream_state, d);
        pa_stream_set_write_callback(d->stream_, on_write, d);
        pa_stream_set_started_callback(d->stream_, on_started, d);
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(d->options_.buffer_frames * kFrameBytes);
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(d->options_.period_frames * kFrameBytes);
        attr.fragsize = static_cast<uint32_t>(-1);
        // Timing is asked for while the stream plays only: libpulse's automatic updates would
        // go on waking us while it is held.
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING);
        if (pa_stream_connect_playback(d->stream_, nullptr, &attr, flags, nullptr, nullptr) < 0)
            d->failed_ = true;
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        d->failed_ = true;
        break;
    default:
        break;
    }
}

// PulseAudio takes back what its sink has read but not yet played when a stream writes
// over it; PipeWire's PulseAudio service does not: what it has read is final.
void PulseDevice::on_server_info(pa_context*, const pa_server_info* info, void* self)
{
    if (info && info->server_name)
        static_cast<PulseDevice*>(self)->server_rewinds_ = !std::strstr(info->server_name, "PipeWire");
}

void PulseDevice::on_stream_state(pa_stream* s, void* self)
{
    auto* d = static_cast<PulseDevice*>(self);
    const pa_stream_state_t state = pa_stream_get_state(s);
    if (state == PA_STREAM_READY && !d->held_)
        d->let_go();
    else if (state == PA_STREAM_READY) // silence came before the stream was ready
        d->hold_stream();
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
        d->failed_ = true;
}

// On the stream's thread: the server has begun to play the stream (or again, after an
// underrun). Until a timing report from after this moment arrives, the playing frame is
// reckoned from the time since the first frames were handed over (or since this report,
// after an underrun), which is never behind it; the report before said nothing played.
void PulseDevice::on_started(pa_stream* s, void* self)
{
    auto* d = static_cast<PulseDevice*>(self);
    if (d->timing_fresh_) { // again, after an underrun
        d->started_at_ = std::chrono::steady_clock::now();
        d->started_frame_ = d->reported_frame();
    }
    d->ask_fresh_timing();
}

// Answers come in the order asked.
void PulseDevice::on_timing(pa_stream*, int success, void* self)
{
    auto* d = static_cast<PulseDevice*>(self);
    ++d->timing_answered_;
    if (!success || d->timing_answered_ < d->fresh_from_)
        return;
    d->timing_fresh_ = true;
    if (d->held_ && d->settle_against_ >= 0 && d->reported_read() == d->settle_against_)
        d->held_read_ = d->settle_against_;
}

// On the stream's thread: the server wants `bytes` more at the end of its queue. While the
// stream plays it asks every period, and the timing is brought up to date with it.
void PulseDevice::on_write(pa_stream*, size_t bytes, void* self)
{
    auto* d = static_cast<PulseDevice*>(self);
    const int64_t frames = static_cast<int64_t>(bytes) / kFrameBytes;
    d->write(d->written_, frames);
    d->written_ += frames;
    if (!d->held_ && d->timing_answered_ == d->timing_asked_)
        d->ask_timing();
}

void PulseDevice::write(int64_t from, int64_t frames)
{
    if (frames <= 0 || !stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY)
        return;
    block_.resize(static_cast<size_t>(frames) * 2);
    mixer_.mix(from, static_cast<int>(frames), block_.data());
    pa_stream_write(stream_, block_.data(), block_.size() * sizeof(int16_t), nullptr, from * kFrameBytes,
                    PA_SEEK_ABSOLUTE);
}

int64_t PulseDevice::reported_frame()
{
    pa_usec_t usec = 0;
    if (!stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY || pa_stream_get_time(stream_, &usec) < 0)
        return 0;
    return static_cast<int64_t>(usec * kRate / PA_USEC_PER_SEC);
}

// The frame the server read up to when it last reported, while it is not playing; -1 else.
int64_t PulseDevice::reported_read()
{
    const pa_timing_info* t = stream_ ? pa_stream_get_timing_info(stream_) : nullptr;
    return t && !t->read_index_corrupt && !t->playing && t->read_index >= 0 ? t->read_index / kFrameBytes : -1;
}

// The frame the server reads next (the end of what it has taken from the queue).
int64_t PulseDevice::read_frame()
{
    const pa_timing_info* t = stream_ ? pa_stream_get_timing_info(stream_) : nullptr;
    if (!t || t->read_index_corrupt)
        return written_;
    const int64_t since = t->playing ? static_cast<int64_t>(pa_timeval_age(&t->timestamp)) : 0;
    return t->read_index / kFrameBytes + since * kRate / 1'000'000;
}

int64_t PulseDevice::playing_frame()
{
    const int64_t reported = reported_frame();
    if (held_ || timing_fresh_ || started_at_ == std::chrono::steady_clock::time_point{})
        return reported;
    const auto since =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started_at_);
    return std::max(reported, started_frame_ + since.count() * kRate / 1'000'000);
}

// Where a change takes effect: a little past the frame the server plays now, or, when new
// sounds wait for the queue, its end. Never before an earlier change, never past the end.
int64_t PulseDevice::rewrite_from()
{
    int64_t at = written_;
    if (options_.write_ahead && written_ > 0) {
        at = playing_frame() + options_.margin_frames;
        if (!server_rewinds_)
            at = std::max(at, read_frame() + options_.margin_frames);
        at = std::min(written_, at);
    }
    return keep_order(at);
}

// Never before an earlier change, nor where a new stream is not heard.
int64_t PulseDevice::keep_order(int64_t at)
{
    at = std::max({at, first_heard_frame(), last_change_});
    last_change_ = at;
    return at;
}

// The frame the server reads first when the held stream goes on, where a server that does
// not take back what it read (PipeWire) stopped reading; -1 while that is not known. A
// server that does (PulseAudio) mixes the stream in again from where its sink plays and
// drops what the stream had queued for the part of the sink's latency already mixed: there
// a sound after a silence goes a margin past the playing moment, as every other.
int64_t PulseDevice::held_frame()
{
    if (held_read_ < 0 || held_read_ > written_ || !stream_ || pa_stream_get_state(stream_) != PA_STREAM_READY
        || pa_stream_is_corked(stream_) != 1)
        return -1;
    return held_read_;
}

// A new stream joins the sink behind what the sink has already mixed ahead (its latency),
// and PulseAudio never plays the stream's frames that fall there, so a sound written at
// a new stream's start would lose up to that much of its beginning. The sink's latency is
// at most what our stream asks of it: half of what the queue holds beyond two periods.
int64_t PulseDevice::first_heard_frame() const
{
    return std::max(options_.margin_frames, (options_.buffer_frames - 2 * options_.period_frames) / 2);
}

void PulseDevice::notice_failure()
{
    if (failed_ && loop_) {
        close();
        state_ = State::Lost;
        ++session_;
    }
}

// A change that wakes the held stream is written where the server reads first when it goes
// on, before it is let go: heard from the first moment the stream plays again.
template <class Change>
int PulseDevice::change(Change c)
{
    notice_failure();
    if (state_ == State::Idle && !loop_) {
        close();
        state_ = State::Lost;
    }
    if (state_ == State::Lost)
        return -1;
    pa_threaded_mainloop_lock(loop_);
    const bool waking = state_ == State::Idle;
    int64_t at = waking ? held_frame() : -1;
    const bool let_go_after = at >= 0;
    if (waking) {
        settle_timer_.stop();
        held_ = false;
        if (!let_go_after) // where the server goes on is not known: from the moment it does
            let_go();
    }
    at = let_go_after ? keep_order(at) : rewrite_from();
    c(at);
    write(at, written_ - at);
    if (let_go_after)
        let_go();
    const int64_t left_ms = std::max<int64_t>(0, mixer_.quiet_from() - playing_frame()) * 1000 / kRate;
    pa_threaded_mainloop_unlock(loop_);
    if (waking) {
        state_ = State::Open;
        ++session_;
    }
    // From the end of what sounds now: a sound stopped early brings the silence nearer.
    arm_silence_timer(static_cast<int>(std::min<int64_t>(left_ms, 24 * 3600 * 1000)) + options_.close_after_ms);
    return session_;
}

int PulseDevice::start(int voice, std::shared_ptr<const Pcm> pcm)
{
    return change([&](int64_t at) { mixer_.start(voice, std::move(pcm), at); });
}

// A change that only silences: nothing sounds on a closed device, so it is not opened for it.
template <class Change>
int PulseDevice::silence(Change c)
{
    notice_failure();
    if (state_ != State::Open)
        return session_;
    return change(c);
}

int PulseDevice::pause(int voice)
{
    return silence([&](int64_t at) { mixer_.pause(voice, at); });
}

int PulseDevice::resume(int voice)
{
    return change([&](int64_t at) { mixer_.resume(voice, at); });
}

int PulseDevice::halt(int voice)
{
    return silence([&](int64_t at) { mixer_.halt(voice, at); });
}

bool PulseDevice::sounding(int voice)
{
    notice_failure();
    if (state_ != State::Open)
        return false;
    pa_threaded_mainloop_lock(loop_);
    const bool s = mixer_.sounding(voice, playing_frame());
    pa_threaded_mainloop_unlock(loop_);
    return s;
}

int PulseDevice::session()
{
    notice_failure();
    return session_;
}

void PulseDevice::arm_silence_timer(int ms)
{
    if (QCoreApplication::instance() && options_.close_after_ms >= 0)
        silence_timer_.start(ms);
}

void PulseDevice::check_silence()
{
    notice_failure();
    if (state_ != State::Open)
        return;
    pa_threaded_mainloop_lock(loop_);
    // A paused sound counts as playing: it must be able to go on where it stopped.
    const bool quiet = !mixer_.any_paused() && mixer_.quiet_from() <= playing_frame();
    pa_threaded_mainloop_unlock(loop_);
    if (quiet)
        hold();
    else
        arm_silence_timer(options_.close_after_ms);
}

void PulseDevice::reconnect()
{
    notice_failure();
    if (state_ == State::Lost)
        connect();
}

} // namespace platform
