#include "sdl_audio_device.h"
#include <QCoreApplication>
#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>

namespace platform {
namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;

void tap_block(void* tap, Uint8* stream, int bytes)
{
    const auto& f = *static_cast<const std::function<void(const int16_t*, int)>*>(tap);
    f(reinterpret_cast<const int16_t*>(stream), bytes / static_cast<int>(sizeof(int16_t)));
}

// The device SDL_mixer has just opened: the only one of this process that plays.
SDL_AudioDeviceID find_playing_device()
{
    for (SDL_AudioDeviceID id = 1; id < 64; ++id)
        if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING)
            return id;
    return 0;
}

} // namespace

SdlAudioDevice::SdlAudioDevice(SoundOptions options) : options_(std::move(options))
{
    silence_timer_.setSingleShot(true);
    QObject::connect(&silence_timer_, &QTimer::timeout, [this] { check_silence(); });
    // SDL would otherwise take SIGINT and SIGTERM for itself, and a program that
    // never reads SDL's events would no longer end when asked to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_up_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (sdl_up_ && open())
        state_ = State::Open;
}

SdlAudioDevice::~SdlAudioDevice()
{
    if (state_ == State::Open) {
        Mix_SetPostMix(nullptr, nullptr); // the hook points into this object
        Mix_CloseAudio();
    }
    if (sdl_up_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioDevice::open()
{
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, kChannels, options_.buffer_frames) != 0)
        return false;
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    if (first_rate_ == 0) {
        first_rate_ = rate;
        first_format_ = format;
        first_channels_ = channels;
    } else if (rate != first_rate_ || format != first_format_ || channels != first_channels_) {
        // The sounds already loaded would play at the wrong pace: silence is better.
        Mix_CloseAudio();
        return false;
    }
    Mix_AllocateChannels(std::max(channels_, 1));
    // The mixer keeps its post-mix hook across devices: set it, or clear one that an
    // earlier device (now gone, with its function) left behind.
    Mix_SetPostMix(options_.tap ? tap_block : nullptr, options_.tap ? &options_.tap : nullptr);
    device_ = find_playing_device();
    ++session_;
    arm_silence_timer(options_.close_after_ms);
    return true;
}

void SdlAudioDevice::close()
{
    silence_timer_.stop();
    Mix_CloseAudio();
    device_ = 0;
    ++session_;
    state_ = State::Idle;
}

bool SdlAudioDevice::wake()
{
    if (state_ == State::Idle) {
        if (open())
            state_ = State::Open;
        else
            state_ = State::Lost;
    }
    return state_ == State::Open;
}

void SdlAudioDevice::sounding(int ms)
{
    if (state_ != State::Open)
        return;
    const int until = ms + options_.close_after_ms;
    if (!silence_timer_.isActive() || silence_timer_.remainingTime() < until)
        arm_silence_timer(until);
}

void SdlAudioDevice::halted()
{
    // The silence may begin now: the next look finds out (and looks again if it has not).
    if (state_ == State::Open && silence_timer_.remainingTime() > options_.close_after_ms)
        arm_silence_timer(options_.close_after_ms);
}

void SdlAudioDevice::arm_silence_timer(int ms)
{
    // Without an event loop nothing would ever close the device: it simply stays open.
    if (QCoreApplication::instance() && options_.close_after_ms >= 0)
        silence_timer_.start(ms);
}

void SdlAudioDevice::check_silence()
{
    if (state_ != State::Open)
        return;
    // A paused sound counts as playing: it must be able to go on where it stopped.
    if (Mix_Playing(-1) > 0)
        arm_silence_timer(options_.close_after_ms);
    else
        close();
}

bool SdlAudioDevice::server_gone() const
{
    // SDL marks a device whose server or hardware went away as stopped; it never
    // comes back by itself.
    return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
}

void SdlAudioDevice::reconnect()
{
    if (state_ == State::Open && server_gone()) {
        close();
        state_ = State::Lost;
    }
    if (state_ != State::Lost)
        return;
    // SDL keeps its connection to the sound server from its start; a new start makes a new one.
    if (sdl_up_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sdl_up_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (sdl_up_ && open())
        state_ = State::Open;
}

int SdlAudioDevice::take_channel()
{
    ++channels_;
    if (state_ == State::Open)
        Mix_AllocateChannels(channels_);
    return channels_ - 1;
}

} // namespace platform
