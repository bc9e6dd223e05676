#include "platform/program_identity.h"
#include "platform/sound/sound.h"
#include "tests/platform/sound/sound_server.h"
#include <QCoreApplication>
#include <QDataStream>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace platform;

namespace {

// The event loop the sound's timers run on.
struct TestApp {
    int argc = 1;
    char name[11] = "sound_test";
    char* argv[1] = {name};
    QCoreApplication app{argc, argv};
};

// Writes a PCM WAV of 16-bit stereo samples.
QString write_wav(const QTemporaryDir& dir, const QString& name, int rate, const QByteArray& data)
{
    const int channels = 2, bits = 16;
    const quint32 data_bytes = data.size();
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    QDataStream s(&f);
    s.setByteOrder(QDataStream::LittleEndian);
    f.write("RIFF");
    s << quint32(36 + data_bytes);
    f.write("WAVEfmt ");
    s << quint32(16) << quint16(1) << quint16(channels) << quint32(rate)
      << quint32(rate * channels * bits / 8) << quint16(channels * bits / 8) << quint16(bits);
    f.write("data");
    s << data_bytes;
    f.write(data);
    return f.fileName();
}

// A silent WAV of the given length.
QString write_wav(const QTemporaryDir& dir, const QString& name, int ms)
{
    return write_wav(dir, name, 22050, QByteArray(22050 * 4 * ms / 1000, '\0'));
}

// What the mixer hands to the device, block by block.
struct Tap {
    std::mutex mutex;
    std::vector<int16_t> samples;
    std::atomic<int> blocks{0};
    void operator()(const int16_t* s, int count)
    {
        std::lock_guard lock(mutex);
        samples.insert(samples.end(), s, s + count);
        ++blocks;
    }
    void clear()
    {
        std::lock_guard lock(mutex);
        samples.clear();
    }
    // The samples from the first that is not zero to the last that is not.
    std::vector<int16_t> sounded()
    {
        std::lock_guard lock(mutex);
        auto first = std::find_if(samples.begin(), samples.end(), [](int16_t v) { return v != 0; });
        auto last = std::find_if(samples.rbegin(), samples.rend(), [](int16_t v) { return v != 0; }).base();
        return first < last ? std::vector<int16_t>(first, last) : std::vector<int16_t>();
    }
};

// The samples of one channel that are not zero, in the order the server played them.
std::vector<int16_t> sounded_channel(const QByteArray& recording, int channel)
{
    std::vector<int16_t> out;
    const auto* s = reinterpret_cast<const int16_t*>(recording.constData());
    for (qsizetype i = channel; i < recording.size() / 2; i += 2)
        if (s[i] != 0)
            out.push_back(s[i]);
    return out;
}

// 1, 2, 3 ... n.
std::vector<int16_t> ramp(int from, int to)
{
    std::vector<int16_t> r;
    for (int v = from; v <= to; ++v)
        r.push_back(static_cast<int16_t>(v));
    return r;
}

// Empty when the two are the same; else where they part.
std::string difference(const std::vector<int16_t>& heard, const std::vector<int16_t>& want)
{
    if (heard == want)
        return {};
    const size_t at = std::mismatch(heard.begin(), heard.end(), want.begin(), want.end()).first - heard.begin();
    auto value = [at](const std::vector<int16_t>& v) { return at < v.size() ? std::to_string(v[at]) : "nothing"; };
    return "heard " + std::to_string(heard.size()) + " frames, want " + std::to_string(want.size()) + "; frame "
           + std::to_string(at) + " is " + value(heard) + ", want " + value(want);
}

void wait_ms(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Records what the server's sink plays into `file` from the moment it is heard there: a new
// server's null sink renders seconds ahead at first, and plays in milliseconds only from then.
QString start_recording(SoundServer& server, QProcess& parec, const QString& file)
{
    EXPECT_TRUE(server.record(parec, file));
    for (int i = 0; i < 200 && QFileInfo(file).size() == 0; ++i)
        wait_ms(10);
    return file;
}

// Ends a wait that would otherwise last for ever: when the test has not finished within 20 s,
// `release` is called (again every 100 ms) from a thread of its own, and fired() says so.
class Watchdog {
public:
    explicit Watchdog(std::function<void()> release)
        : thread_([this, release = std::move(release)] {
              for (int i = 0; i < 200 && !done_; ++i)
                  std::this_thread::sleep_for(std::chrono::milliseconds(100));
              while (!done_) {
                  fired_ = true;
                  release();
                  std::this_thread::sleep_for(std::chrono::milliseconds(100));
              }
          })
    {
    }
    ~Watchdog() { finish(); }
    bool finish()
    {
        done_ = true;
        if (thread_.joinable())
            thread_.join();
        return fired_;
    }

private:
    std::atomic<bool> done_{false}, fired_{false};
    std::thread thread_;
};

// SDL's driver chosen by the environment (the tests run with SDL's dummy one), put back after.
class SdlDriverUnset {
public:
    SdlDriverUnset() : was_(qgetenv("SDL_AUDIODRIVER")) { qunsetenv("SDL_AUDIODRIVER"); }
    ~SdlDriverUnset()
    {
        if (!was_.isEmpty())
            qputenv("SDL_AUDIODRIVER", was_);
    }

private:
    QByteArray was_;
};

} // namespace

TEST(SdlSound, BuffersStopResumeAndRewindIndependently)
{
    QTemporaryDir dir;
    auto sound = make_sdl_sound_system();
    ASSERT_TRUE(sound->has_device()) << "no audio device, not even SDL's dummy one";
    auto a = sound->make_buffer(write_wav(dir, "a.wav", 3000));
    auto b = sound->make_buffer(write_wav(dir, "b.wav", 3000));
    a->play();
    b->play();
    EXPECT_TRUE(a->is_playing());
    EXPECT_TRUE(b->is_playing());
    a->stop();
    EXPECT_FALSE(a->is_playing());
    EXPECT_TRUE(b->is_playing());
    a->play(); // resumes
    EXPECT_TRUE(a->is_playing());
    a->stop();
    a->rewind();
    a->play();
    EXPECT_TRUE(a->is_playing());
}

TEST(SdlSound, ASoundAfterALongSilenceReachesTheMixerWhole)
{
    const TestApp app;
    QTemporaryDir dir;
    // A sound with no zero inside, at the mixer's own rate so that it is mixed unchanged.
    const int frames = 44100 / 5;
    QByteArray data(frames * 4, Qt::Uninitialized);
    auto* pcm = reinterpret_cast<int16_t*>(data.data());
    for (int i = 0; i < frames * 2; ++i)
        pcm[i] = static_cast<int16_t>(1 + (i * 37) % 20000);
    const QString path = write_wav(dir, "tone.wav", 44100, data);
    Tap tap;
    platform::SoundOptions options;
    options.close_after_ms = 100;
    options.tap = [&tap](const int16_t* s, int count) { tap(s, count); };
    auto sound = make_sdl_sound_system(options);
    ASSERT_TRUE(sound->has_device()) << "no audio device, not even SDL's dummy one";
    auto buffer = sound->make_buffer(path);
    auto count_blocks = [&](int ms) {
        const int before = tap.blocks;
        wait_ms(ms);
        return tap.blocks - before;
    };

    // Once the silence has lasted, the mixer hands the device nothing: it is closed.
    wait_ms(300);
    EXPECT_EQ(count_blocks(300), 0) << "the device still runs in silence";

    for (int round = 0; round < 2; ++round) {
        tap.clear();
        buffer->rewind();
        buffer->play();
        EXPECT_TRUE(buffer->is_playing());
        wait_ms(200 + 300);
        EXPECT_FALSE(buffer->is_playing());
        const std::vector<int16_t> heard = tap.sounded();
        ASSERT_EQ(heard.size(), static_cast<size_t>(frames * 2)) << "round " << round;
        EXPECT_TRUE(std::equal(heard.begin(), heard.end(), pcm)) << "round " << round;
        wait_ms(300);
        EXPECT_EQ(count_blocks(200), 0) << "the device did not close again";
    }

    // The simple player wakes it too.
    tap.clear();
    sound->simple_player().play(path);
    wait_ms(500);
    EXPECT_EQ(tap.sounded().size(), static_cast<size_t>(frames * 2));

    // A long sound halted early (the music at a reset) lets the device close as soon.
    auto music = sound->make_buffer(write_wav(dir, "long.wav", 5000));
    music->play();
    wait_ms(100);
    music->stop();
    music->rewind();
    wait_ms(600);
    EXPECT_EQ(count_blocks(200), 0) << "the device stays open for the rest of the halted sound";
}

TEST(SdlSound, MissingFilesAreSilentNotErrors)
{
    auto sound = make_sdl_sound_system();
    auto missing = sound->make_buffer("/nonexistent/q1.wav");
    ASSERT_NE(missing, nullptr);
    missing->play();
    missing->stop();
    missing->rewind();
    EXPECT_FALSE(missing->is_playing());
    sound->simple_player().play("/nonexistent/open_mpkx.wav");
}

TEST(SdlSound, GarbageFileIsSilent)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("bad.wav"));
    f.open(QIODevice::WriteOnly);
    f.write("not a wave file at all");
    f.close();
    auto sound = make_sdl_sound_system();
    auto bad = sound->make_buffer(f.fileName());
    bad->play();
    EXPECT_FALSE(bad->is_playing());
    sound->simple_player().play(f.fileName());
}

// A FIFO among the sound files (named as one of them) would hold the start in its open for
// ever, waiting for a writer: sound files are read as every data file is, and it is silent.
TEST(SoundFiles, AFifoAmongTheSoundsIsSilentNotAWait)
{
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("q1.wav")));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    Watchdog watchdog([&fifo] { // a writer that comes and goes lets a waiting open go on
        const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    });
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath(QStringLiteral("no-server"))));
    for (const bool sdl : {true, false}) {
        auto sound = sdl ? make_sdl_sound_system() : make_pulse_sound_system();
        auto buffer = sound->make_buffer(QString::fromLocal8Bit(fifo));
        buffer->play();
        EXPECT_FALSE(buffer->is_playing());
        sound->simple_player().play(QString::fromLocal8Bit(fifo));
    }
    EXPECT_FALSE(watchdog.finish()) << "a sound file that is a FIFO was waited on";
}

TEST(SdlSound, LeavesTerminationSignalsToTheProgram)
{
    auto sound = make_sdl_sound_system();
    struct sigaction current {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
    ASSERT_EQ(sigaction(SIGINT, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}

// On the sound server, a new sound is written over the queue the server already holds,
// from just past the moment it plays: what was queued there must neither be cut short nor
// be heard twice, and the new sound must be heard whole, once. PulseAudio takes back what
// its sink has read and PipeWire does not, so each places a sound differently: both are tried.
class PulseSound : public ::testing::TestWithParam<SoundServer::Kind> {};

TEST_P(PulseSound, SoundsWrittenOverTheQueueAreHeardWholeAndOnce)
{
    ASSERT_TRUE(SoundServer::available(GetParam()))
        << "no sound server to run here (scripts/setup.sh --tests installs PulseAudio, PipeWire and pactl)";
    const TestApp app;
    QTemporaryDir dir;
    SoundServer server(dir.path(), GetParam());
    ASSERT_TRUE(server.start());
    qputenv("PULSE_SERVER", server.address().toUtf8());
    // Each sound counts 1, 2, 3 ... in a channel of its own, at the device's rate so that
    // it is mixed unchanged: the recording shows which frame of which sound was heard.
    const int frames = 44100 * 3 / 10;
    auto ramp_wav = [&](const QString& file, int channel) {
        QByteArray data(frames * 4, '\0');
        auto* pcm = reinterpret_cast<int16_t*>(data.data());
        for (int i = 0; i < frames; ++i)
            pcm[2 * i + channel] = static_cast<int16_t>(i + 1);
        return write_wav(dir, file, 44100, data);
    };
    auto record = [&](QProcess& parec, const QString& file) {
        return start_recording(server, parec, dir.filePath(file));
    };
    auto heard = [](QProcess& parec, const QString& recording) {
        parec.terminate();
        parec.waitForFinished();
        QFile f(recording);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QProcess parec;
    const QString recording = record(parec, QStringLiteral("heard.raw"));
    platform::SoundOptions options;
    options.pulse_buffer_frames = 44100 / 5; // a deep queue, so that every change rewrites much of it
    options.pulse_margin_frames = 44100 / 40; // the test is about where, not how soon
    options.close_after_ms = 200;
    auto sound = make_pulse_sound_system(options);
    ASSERT_TRUE(sound->has_device());
    // The game makes its stream at its start, long before its first sound; a busy machine takes a
    // while to set a new stream going, and a sound started before would be cut by its restart.
    for (int i = 0; i < 100 && server.playing_streams() != 1; ++i)
        wait_ms(20);
    auto a = sound->make_buffer(ramp_wav(QStringLiteral("a.wav"), 0));
    auto b = sound->make_buffer(ramp_wav(QStringLiteral("b.wav"), 1));

    a->play();
    wait_ms(100);
    b->play(); // written over the queue that holds a's next 200 ms
    wait_ms(100);
    a->stop(); // restarted as a hit is: cut where it is, then whole from the start
    a->rewind();
    a->play();
    wait_ms(60);
    b->stop(); // paused and resumed as the music is: goes on where it stopped
    wait_ms(80);
    b->play();
    wait_ms(900);
    const QByteArray bytes = heard(parec, recording);

    const std::vector<int16_t> left = sounded_channel(bytes, 0);
    const auto cut = std::adjacent_find(left.begin(), left.end(), [](int16_t x, int16_t y) { return y != x + 1; });
    ASSERT_NE(cut, left.end()) << "the restart of the first sound is not heard";
    const int first = *cut;
    EXPECT_GT(first, 44100 / 10) << "the first sound was cut before its restart";
    std::vector<int16_t> want = ramp(1, first);
    const std::vector<int16_t> whole = ramp(1, frames);
    want.insert(want.end(), whole.begin(), whole.end());
    EXPECT_EQ(difference(left, want), "") << "the first sound, restarted after " << first << " frames";
    EXPECT_EQ(difference(sounded_channel(bytes, 1), whole), "") << "the second sound, paused and resumed";

    // Silence holds the stream on the server, also when it comes of a long sound halted
    // early; the next sound lets the stream go on and is heard whole, from its first frame.
    QByteArray long_data(44100 * 5 * 4, '\0');
    auto* long_pcm = reinterpret_cast<int16_t*>(long_data.data());
    for (int i = 0; i < 44100 * 5; ++i)
        long_pcm[2 * i + 1] = static_cast<int16_t>(1 + i % 1000);
    auto music = sound->make_buffer(write_wav(dir, QStringLiteral("long.wav"), 44100, long_data));
    QProcess parec_after;
    const QString after = record(parec_after, QStringLiteral("after.raw"));
    music->play();
    wait_ms(100);
    music->stop();
    music->rewind();
    bool held = false;
    for (int i = 0; i < 60 && !held; ++i) {
        wait_ms(50);
        held = server.streams() == 1 && server.playing_streams() == 0;
    }
    EXPECT_TRUE(held) << "the stream still plays 3 s after the sound was halted";
    wait_ms(300); // the server has long stopped reading the held stream
    a->rewind();
    a->play();
    wait_ms(700);
    EXPECT_EQ(difference(sounded_channel(heard(parec_after, after), 0), whole), "") << "a sound after a silence";
}

namespace {

// What the game does with its sounds, faster than a player could: buffers made while the stream
// plays (as a game loads them), played, stopped and restarted, one-shots among them, then a
// silence that holds the stream, round after round. Built under ThreadSanitizer
// (platform_sound_tsan_test), every touch of what the stream's thread works on is checked.
void play_stop_and_restart(SoundSystem& sound, const QString& tone, int rounds)
{
    std::vector<std::unique_ptr<SoundBuffer>> buffers;
    for (int round = 0; round < rounds; ++round) {
        sound.simple_player().play(tone);
        wait_ms(50);
        for (int i = 0; i < 10; ++i) {
            buffers.push_back(sound.make_buffer(tone));
            QThread::msleep(3);
        }
        for (int i = 0; i < 20; ++i) {
            buffers.push_back(sound.make_buffer(tone));
            SoundBuffer& b = *buffers[(i * 7) % buffers.size()];
            b.play();
            wait_ms(3);
            b.stop();
            b.play();
            b.rewind();
            b.play();
            EXPECT_TRUE(b.is_playing()) << "round " << round << ", sound " << i;
            sound.simple_player().play(tone);
            wait_ms(7);
        }
        wait_ms(400); // every sound ends, and the silence holds the stream
        EXPECT_FALSE(buffers.back()->is_playing());
        buffers.erase(buffers.begin(), buffers.begin() + static_cast<std::ptrdiff_t>(buffers.size() / 2));
    }
}

// A tenth of a second that counts up in both channels.
QString write_tone(const QTemporaryDir& dir)
{
    QByteArray data(44100 / 10 * 4, Qt::Uninitialized);
    auto* pcm = reinterpret_cast<int16_t*>(data.data());
    for (int i = 0; i < 44100 / 10 * 2; ++i)
        pcm[i] = static_cast<int16_t>(1 + (i * 37) % 2000);
    return write_wav(dir, QStringLiteral("tone.wav"), 44100, data);
}

platform::SoundOptions churn_options()
{
    platform::SoundOptions options;
    options.close_after_ms = 100; // held and let go again within each round
    return options;
}

} // namespace

TEST_P(PulseSound, BuffersComeAndGoWhileTheStreamMixes)
{
    ASSERT_TRUE(SoundServer::available(GetParam()));
    const TestApp app;
    QTemporaryDir dir;
    SoundServer server(dir.path(), GetParam());
    ASSERT_TRUE(server.start());
    qputenv("PULSE_SERVER", server.address().toUtf8());
    QProcess parec; // the sink plays within milliseconds, as a sound card does
    start_recording(server, parec, dir.filePath(QStringLiteral("heard.raw")));
    const QString tone = write_tone(dir);
    auto sound = make_pulse_sound_system(churn_options());
    ASSERT_TRUE(sound->has_device());
    play_stop_and_restart(*sound, tone, 2);
    // The server went away and came back: found at the next game start.
    server.kill();
    parec.waitForFinished();
    ASSERT_TRUE(server.start());
    start_recording(server, parec, dir.filePath(QStringLiteral("heard-again.raw")));
    sound->reconnect();
    ASSERT_TRUE(sound->has_device()) << "the server is back, the device is not";
    play_stop_and_restart(*sound, tone, 1);
}

INSTANTIATE_TEST_SUITE_P(Server, PulseSound,
                         ::testing::Values(SoundServer::Kind::PulseAudio, SoundServer::Kind::PipeWire),
                         [](const ::testing::TestParamInfo<SoundServer::Kind>& info) {
                             return info.param == SoundServer::Kind::PulseAudio ? "PulseAudio" : "PipeWire";
                         });

// A sound server that takes the connection and never answers (a stopped one) leaves the game
// silent, neither waiting for it for ever (SDL's PulseAudio driver would) nor at every game
// start; once it answers, the next game start finds it, and the desktop knows the stream by
// the program's own name and icon, as a game's.
TEST(PulseServer, AServerThatDoesNotAnswerLeavesTheGameSilentUntilItDoes)
{
    ASSERT_TRUE(SoundServer::available()) << "no PulseAudio to run here (scripts/setup.sh --tests)";
    const TestApp app;
    QTemporaryDir dir;
    SoundServer server(dir.path());
    ASSERT_TRUE(server.start());
    qputenv("PULSE_SERVER", server.address().toUtf8());
    const SdlDriverUnset sdl_driver; // as a desktop's game starts: on the server, else SDL's choice
    const QString product = QString::fromUtf8("ミポぽかん｡2000"), id = QStringLiteral("com.example.zorvik.MipoPokan");
    platform::set_this_program({product, QStringLiteral("1.0"), QString(), id, QString()});
    const QString tone = write_wav(dir, QStringLiteral("tone.wav"), 3000);

    server.stop_answering();
    const pid_t service = server.pulse_service_pid();
    Watchdog watchdog([service] { ::kill(service, SIGCONT); });
    auto sound = make_sound_system();
    EXPECT_FALSE(sound->has_device());
    auto buffer = sound->make_buffer(tone);
    for (int game = 0; game < 3; ++game) {
        sound->reconnect();
        buffer->play();
        EXPECT_FALSE(buffer->is_playing()) << "a sound plays on a server that does not answer";
        sound->simple_player().play(tone);
    }
    EXPECT_FALSE(watchdog.finish()) << "the start or a game start waited for a server that does not answer";

    server.answer_again();
    wait_ms(500);
    sound->reconnect();
    EXPECT_TRUE(sound->has_device()) << "the server answers, the device is still lost";
    buffer->play();
    EXPECT_TRUE(buffer->is_playing());
    QByteArray streams;
    for (int i = 0; i < 60 && !streams.contains("media.role"); ++i) {
        wait_ms(50);
        streams = server.sink_inputs().value_or(QByteArray());
    }
    EXPECT_TRUE(streams.contains("application.name = \"" + product.toUtf8() + '"')) << streams.toStdString();
    EXPECT_TRUE(streams.contains("application.icon_name = \"" + id.toUtf8() + '"'));
    EXPECT_TRUE(streams.contains("media.role = \"game\""));
}

#ifdef SOUND_UNDER_TSAN
// The same under ThreadSanitizer, on a server that tests/platform/sound/sound_tsan.sh starts: this
// process starts none. QProcess starts a child as vfork() does, on the memory of the thread
// that starts it, and the sanitizer's record of the process is not to be trusted after it.
TEST(PulseSoundUnderTsan, BuffersComeAndGoWhileTheStreamMixes)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run by tests/platform/sound/sound_tsan.sh";
    const TestApp app;
    QTemporaryDir dir;
    const QString tone = write_tone(dir);
    for (int start = 0; start < 2; ++start) { // the stream's thread ends and a new one begins
        auto sound = make_pulse_sound_system(churn_options());
        ASSERT_TRUE(sound->has_device());
        play_stop_and_restart(*sound, tone, 2);
    }
}
#endif
