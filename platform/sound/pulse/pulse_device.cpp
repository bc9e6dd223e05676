#include "pulse_device.h"
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace platform {
namespace {

constexpr int kConnectWaitMs = 1000;
constexpr int kSettleMs = 50; // between the reports that show where a held stream stopped
constexpr int kSettleTries = 40;

PulseStream::Options stream_options(const PulseDevice::Options& o)
{
    return {o.buffer_frames, o.period_frames, o.write_ahead, o.margin_frames};
}

} // namespace

PulseDevice::PulseDevice(Options options, PulseStream::Names names)
    : options_(options), loop_(stream_options(options), std::move(names))
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

// Connects (waiting a bounded time for the server's answer) and makes the stream, which plays
// (silence) until the first silence holds it: the server sets a stream going much more slowly
// the first time (PipeWire: about 40 ms), and the first sound should not wait for that. A
// server that took the connection but did not answer in that time leaves the device
// connecting: its answer, should it come, is taken then (see notice()).
void PulseDevice::connect()
{
    if (!loop_.start() || !loop_.lock()->connect(loop_.api())) {
        close();
        return;
    }
    state_ = State::Connecting;
    const QDeadlineTimer deadline(kConnectWaitMs);
    while (loop_.lock()->reach() == PulseStream::Reach::Connecting && !deadline.hasExpired())
        QThread::usleep(200);
    notice();
}

void PulseDevice::close()
{
    silence_timer_.stop();
    settle_timer_.stop();
    loop_.stop();
    state_ = State::Lost;
    ++session_;
}

// Takes what happened on the stream's side since the last call: a server that answered at
// last is used, one that failed or went away leaves the device lost.
void PulseDevice::notice()
{
    if (state_ == State::Lost)
        return;
    const PulseStream::Reach reach = loop_.lock()->reach();
    if (reach == PulseStream::Reach::Failed)
        close();
    else if (reach == PulseStream::Reach::Ready && state_ == State::Connecting) {
        wake();
        arm_silence_timer(options_.close_after_ms);
    }
}

bool PulseDevice::ready() const
{
    return (state_ == State::Open || state_ == State::Idle) && loop_.lock()->reach() == PulseStream::Reach::Ready;
}

// The next sound lets the held stream go on.
void PulseDevice::wake()
{
    loop_.lock()->wake();
    state_ = State::Open;
    ++session_;
}

// Silence: the server holds the stream where it is; what it still had queued (silence)
// is played when the stream goes on.
void PulseDevice::hold()
{
    silence_timer_.stop();
    const bool settles = loop_.lock()->hold();
    state_ = State::Idle;
    ++session_;
    settle_tries_ = 0;
    if (settles)
        settle_timer_.start(kSettleMs);
}

void PulseDevice::settle()
{
    const bool again = state_ == State::Idle && loop_.lock()->settle() && ++settle_tries_ < kSettleTries;
    if (again)
        settle_timer_.start(kSettleMs);
}

template <class Change>
int PulseDevice::change(Change c)
{
    notice();
    if (state_ != State::Open && state_ != State::Idle)
        return -1;
    const bool waking = state_ == State::Idle;
    if (waking)
        settle_timer_.stop();
    const int64_t left = loop_.lock()->change(waking, c);
    if (waking) {
        state_ = State::Open;
        ++session_;
    }
    // From the end of what sounds now: a sound stopped early brings the silence nearer.
    const int64_t left_ms = std::min<int64_t>(left * 1000 / kRate, 24 * 3600 * 1000);
    arm_silence_timer(static_cast<int>(left_ms) + options_.close_after_ms);
    return session_;
}

int PulseDevice::start(int voice, std::shared_ptr<const Pcm> pcm)
{
    return change([&](TimelineMixer& m, int64_t at) { m.start(voice, std::move(pcm), at); });
}

// A change that only silences: nothing sounds on a held stream, so it is not let go for it.
template <class Change>
int PulseDevice::silence(Change c)
{
    notice();
    if (state_ != State::Open)
        return session_;
    return change(c);
}

int PulseDevice::pause(int voice)
{
    return silence([&](TimelineMixer& m, int64_t at) { m.pause(voice, at); });
}

int PulseDevice::resume(int voice)
{
    return change([&](TimelineMixer& m, int64_t at) { m.resume(voice, at); });
}

int PulseDevice::halt(int voice)
{
    return silence([&](TimelineMixer& m, int64_t at) { m.halt(voice, at); });
}

bool PulseDevice::sounding(int voice)
{
    notice();
    return state_ == State::Open && loop_.lock()->sounding(voice);
}

int PulseDevice::session()
{
    notice();
    return session_;
}

void PulseDevice::arm_silence_timer(int ms)
{
    if (QCoreApplication::instance() && options_.close_after_ms >= 0)
        silence_timer_.start(ms);
}

void PulseDevice::check_silence()
{
    notice();
    if (state_ != State::Open)
        return;
    if (loop_.lock()->quiet())
        hold();
    else
        arm_silence_timer(options_.close_after_ms);
}

// A try that has not ended (a server that took the connection and has not answered) is
// waited for, not begun again: it costs no wait.
void PulseDevice::reconnect()
{
    notice();
    if (state_ == State::Lost)
        connect();
}

} // namespace platform
