#include "pulse_stream.h"
#include <cstring>
#include <pulse/pulseaudio.h>

namespace platform {
namespace {

constexpr int kFrameBytes = 4; // 16-bit stereo

} // namespace

bool PulseStream::connect(pa_mainloop_api* api)
{
    disconnect();
    failed_ = false;
    written_ = 0;
    last_change_ = 0;
    started_at_ = {};
    started_frame_ = 0;
    timing_fresh_ = false;
    timing_asked_ = timing_answered_ = fresh_from_ = 0;
    server_rewinds_ = true;
    held_ = true;
    held_read_ = settle_against_ = -1;
    if (!api)
        return false;
    pa_proplist* props = pa_proplist_new();
    if (!names_.id.isEmpty())
        pa_proplist_sets(props, PA_PROP_APPLICATION_ID, names_.id.constData());
    if (!names_.icon.isEmpty())
        pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, names_.icon.constData());
    context_ = pa_context_new_with_proplist(api, names_.application.constData(), props);
    pa_proplist_free(props);
    if (!context_)
        return false;
    pa_context_set_state_callback(context_, on_context_state, this);
    // Only a server that is there: libpulse would otherwise start one of its own.
    return pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
}

void PulseStream::disconnect()
{
    if (stream_) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_set_started_callback(stream_, nullptr, nullptr);
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
    mixer_.halt_all();
}

PulseStream::Reach PulseStream::reach() const
{
    if (failed_ || !context_)
        return Reach::Failed;
    const pa_context_state_t s = pa_context_get_state(context_);
    if (s == PA_CONTEXT_READY)
        return Reach::Ready;
    return PA_CONTEXT_IS_GOOD(s) ? Reach::Connecting : Reach::Failed;
}

bool PulseStream::stream_ready() const
{
    return stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY;
}

void PulseStream::wake()
{
    held_ = false;
    let_go();
}

bool PulseStream::hold()
{
    held_ = true;
    hold_stream();
    mixer_.halt_all();
    return !server_rewinds_;
}

// A server that does not take back what it read (PipeWire) may still read a block or so
// after it answered the hold: where it stopped is known once a report asked for a while
// later agrees with the one before it (see on_timing()).
bool PulseStream::settle()
{
    if (held_ && held_read_ < 0 && timing_fresh_ && stream_) {
        settle_against_ = reported_read();
        ask_fresh_timing();
    }
    return held_ && held_read_ < 0;
}

void PulseStream::hold_stream()
{
    held_read_ = settle_against_ = -1;
    if (!stream_ready())
        return;
    if (pa_operation* o = pa_stream_cork(stream_, 1, nullptr, nullptr))
        pa_operation_unref(o);
    ask_fresh_timing(); // where the server stopped reading (see held_frame())
}

// The server plays the stream again from where it held it. Until a timing report from after
// this moment arrives, the playing frame is reckoned from the time since (see playing_frame()).
// A stream still being made is let go as soon as it is ready.
void PulseStream::let_go()
{
    if (!stream_ready())
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
void PulseStream::ask_fresh_timing()
{
    timing_fresh_ = false;
    ask_timing();
    fresh_from_ = timing_asked_;
}

void PulseStream::ask_timing()
{
    if (pa_operation* o = pa_stream_update_timing_info(stream_, on_timing, this)) {
        pa_operation_unref(o);
        ++timing_asked_;
    }
}

void PulseStream::on_context_state(pa_context* c, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY:
        if (pa_operation* o = pa_context_get_server_info(c, on_server_info, s))
            pa_operation_unref(o);
        s->make_stream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        s->failed_ = true;
        break;
    default:
        break;
    }
}

void PulseStream::make_stream()
{
    const pa_sample_spec format{PA_SAMPLE_S16NE, kRate, 2};
    pa_proplist* props = pa_proplist_new();
    // The desktop's rules for games (their volume, their output) apply to it.
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_stream_new_with_proplist(context_, "sound", &format, nullptr, props);
    pa_proplist_free(props);
    if (!stream_) {
        failed_ = true;
        return;
    }
    pa_stream_set_state_callback(stream_, on_stream_state, this);
    pa_stream_set_write_callback(stream_, on_write, this);
    pa_stream_set_started_callback(stream_, on_started, this);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = static_cast<uint32_t>(options_.buffer_frames * kFrameBytes);
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(options_.period_frames * kFrameBytes);
    attr.fragsize = static_cast<uint32_t>(-1);
    // Timing is asked for while the stream plays only: libpulse's automatic updates would
    // go on waking us while it is held.
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING);
    if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0)
        failed_ = true;
}

// PulseAudio takes back what its sink has read but not yet played when a stream writes
// over it; PipeWire's PulseAudio service does not: what it has read is final.
void PulseStream::on_server_info(pa_context*, const pa_server_info* info, void* self)
{
    if (info && info->server_name)
        static_cast<PulseStream*>(self)->server_rewinds_ = !std::strstr(info->server_name, "PipeWire");
}

void PulseStream::on_stream_state(pa_stream* stream, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY && !s->held_)
        s->let_go();
    else if (state == PA_STREAM_READY) // silence came before the stream was ready
        s->hold_stream();
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED)
        s->failed_ = true;
}

// The server has begun to play the stream (or again, after an underrun). Until a timing
// report from after this moment arrives, the playing frame is reckoned from the time since
// the first frames were handed over (or since this report, after an underrun), which is
// never behind it; the report before said nothing played.
void PulseStream::on_started(pa_stream*, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    if (s->timing_fresh_) { // again, after an underrun
        s->started_at_ = std::chrono::steady_clock::now();
        s->started_frame_ = s->reported_frame();
    }
    s->ask_fresh_timing();
}

// Answers come in the order asked.
void PulseStream::on_timing(pa_stream*, int success, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    ++s->timing_answered_;
    if (!success || s->timing_answered_ < s->fresh_from_)
        return;
    s->timing_fresh_ = true;
    if (s->held_ && s->settle_against_ >= 0 && s->reported_read() == s->settle_against_)
        s->held_read_ = s->settle_against_;
}

// The server wants `bytes` more at the end of its queue. While the stream plays it asks
// every period, and the timing is brought up to date with it.
void PulseStream::on_write(pa_stream*, size_t bytes, void* self)
{
    auto* s = static_cast<PulseStream*>(self);
    const int64_t frames = static_cast<int64_t>(bytes) / kFrameBytes;
    s->write(s->written_, frames);
    s->written_ += frames;
    if (!s->held_ && s->timing_answered_ == s->timing_asked_)
        s->ask_timing();
}

void PulseStream::write(int64_t from, int64_t frames)
{
    if (frames <= 0 || !stream_ready())
        return;
    block_.resize(static_cast<size_t>(frames) * 2);
    mixer_.mix(from, static_cast<int>(frames), block_.data());
    pa_stream_write(stream_, block_.data(), block_.size() * sizeof(int16_t), nullptr, from * kFrameBytes,
                    PA_SEEK_ABSOLUTE);
}

int64_t PulseStream::reported_frame()
{
    pa_usec_t usec = 0;
    if (!stream_ready() || pa_stream_get_time(stream_, &usec) < 0)
        return 0;
    return static_cast<int64_t>(usec * kRate / PA_USEC_PER_SEC);
}

// The frame the server read up to when it last reported, while it is not playing; -1 else.
int64_t PulseStream::reported_read()
{
    const pa_timing_info* t = stream_ ? pa_stream_get_timing_info(stream_) : nullptr;
    return t && !t->read_index_corrupt && !t->playing && t->read_index >= 0 ? t->read_index / kFrameBytes : -1;
}

// The frame the server reads next (the end of what it has taken from the queue).
int64_t PulseStream::read_frame()
{
    const pa_timing_info* t = stream_ ? pa_stream_get_timing_info(stream_) : nullptr;
    if (!t || t->read_index_corrupt)
        return written_;
    const int64_t since = t->playing ? static_cast<int64_t>(pa_timeval_age(&t->timestamp)) : 0;
    return t->read_index / kFrameBytes + since * kRate / 1'000'000;
}

int64_t PulseStream::playing_frame()
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
int64_t PulseStream::rewrite_from()
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
int64_t PulseStream::keep_order(int64_t at)
{
    at = std::max({at, first_heard_frame(), last_change_});
    last_change_ = at;
    return at;
}

// The frame the server reads first when the held stream goes on, where a server that does
// not take back what it read (PipeWire) stopped reading; -1 while that is not known. A
// server that does (PulseAudio) mixes the stream in again from where its sink plays and
// drops what the stream had queued for the part of the sink's latency already mixed: there
// a sound after a silence goes a margin past the playing moment, as every other. (Where the
// sink mixes further ahead than the margin, what its monitor records of such a sound lacks its
// start; whether the sink's own output does is open: see "PulseAudio on a sink that mixes
// further ahead" in docs/PERFORMANCE.md.)
int64_t PulseStream::held_frame()
{
    if (held_read_ < 0 || held_read_ > written_ || !stream_ready() || pa_stream_is_corked(stream_) != 1)
        return -1;
    return held_read_;
}

// A new stream joins the sink behind what the sink has already mixed ahead (its latency),
// and PulseAudio never plays the stream's frames that fall there, so a sound written at
// a new stream's start would lose up to that much of its beginning. The sink's latency is
// at most what our stream asks of it: half of what the queue holds beyond two periods.
int64_t PulseStream::first_heard_frame() const
{
    return std::max(options_.margin_frames, (options_.buffer_frames - 2 * options_.period_frames) / 2);
}

bool PulseStream::sounding(int voice)
{
    return mixer_.sounding(voice, playing_frame());
}

// A paused sound counts as playing: it must be able to go on where it stopped.
bool PulseStream::quiet()
{
    return !mixer_.any_paused() && mixer_.quiet_from() <= playing_frame();
}

} // namespace platform
