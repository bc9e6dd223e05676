#include "platform/sound/channel_buffer.h"
#include "pulse_device.h"
#include "platform/sound/sound.h"
#include "platform/program_identity.h"
#include "platform/sound/wav_pcm.h"
#include <QCoreApplication>
#include <map>

namespace platform {
namespace {

// A buffer on a voice of the device's timeline mixer.
class PulseSoundBuffer final : public ChannelBuffer {
public:
    PulseSoundBuffer(PulseDevice& device, std::shared_ptr<const Pcm> pcm)
        : device_(device), pcm_(std::move(pcm)), voice_(device.add_voice())
    {
    }
    ~PulseSoundBuffer() override
    {
        if (live())
            device_.halt(voice_);
    }

private:
    int session() const override { return device_.session(); }
    bool start() override { return device_.start(voice_, pcm_) >= 0; }
    bool resume() override { return device_.resume(voice_) >= 0; }
    void pause() override { device_.pause(voice_); }
    void halt() override { device_.halt(voice_); }
    bool sounding() const override { return device_.sounding(voice_); }

    PulseDevice& device_;
    std::shared_ptr<const Pcm> pcm_;
    int voice_;
};

class PulseSimplePlayer final : public SimplePlayer {
public:
    explicit PulseSimplePlayer(PulseDevice& device) : device_(device), voice_(device.add_voice()) {}

    void play(const QString& path) override
    {
        auto it = cache_.find(path);
        if (it == cache_.end()) // a file that cannot be read is tried once
            it = cache_.emplace(path, load_wav_pcm(path, PulseDevice::kRate)).first;
        if (it->second)
            device_.start(voice_, it->second);
        else
            device_.halt(voice_);
    }

private:
    PulseDevice& device_;
    int voice_;
    std::map<QString, std::shared_ptr<const Pcm>> cache_;
};

PulseDevice::Options device_options(const SoundOptions& o)
{
    PulseDevice::Options d;
    d.buffer_frames = o.pulse_buffer_frames;
    d.period_frames = o.pulse_period_frames;
    d.write_ahead = o.pulse_write_ahead;
    d.margin_frames = o.pulse_margin_frames;
    d.close_after_ms = o.close_after_ms;
    return d;
}

// The desktop shows the stream under the program's own name and its menu entry's icon.
PulseStream::Names stream_names()
{
    const ProgramIdentity& who = this_program();
    PulseStream::Names n;
    n.application = (!who.product.isEmpty()           ? who.product
                     : QCoreApplication::instance() ? QCoreApplication::applicationName()
                                                    : QStringLiteral("mipo-suite"))
                        .toUtf8();
    n.id = who.desktop_id.toUtf8();
    n.icon = who.desktop_id.toUtf8(); // the entry's icon is named after the entry
    return n;
}

class PulseSoundSystem final : public SoundSystem {
public:
    explicit PulseSoundSystem(const SoundOptions& options)
        : device_(device_options(options), stream_names()), player_(device_)
    {
    }

    std::unique_ptr<SoundBuffer> make_buffer(const QString& path) override
    {
        auto pcm = load_wav_pcm(path, PulseDevice::kRate);
        if (!pcm)
            return std::make_unique<SilentBuffer>();
        return std::make_unique<PulseSoundBuffer>(device_, std::move(pcm));
    }

    SimplePlayer& simple_player() override { return player_; }
    bool has_device() const override { return device_.ready(); }
    void reconnect() override { device_.reconnect(); }
    // A server took the connection, whether or not it has answered.
    bool server_there() const { return device_.server_there(); }

private:
    PulseDevice device_;
    PulseSimplePlayer player_;
};

} // namespace

std::unique_ptr<SoundSystem> make_pulse_sound_system(const SoundOptions& options)
{
    return std::make_unique<PulseSoundSystem>(options);
}

// SDL's device only where no server is there: SDL's own PulseAudio driver would wait for ever
// on a server that took the connection and does not answer (a stopped one). Ours stays silent
// there and takes the server's answer when it comes.
std::unique_ptr<SoundSystem> make_sound_system(SoundOptions options)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        auto pulse = std::make_unique<PulseSoundSystem>(options);
        if (pulse->server_there())
            return pulse;
    }
    return make_sdl_sound_system(std::move(options));
}

} // namespace platform
