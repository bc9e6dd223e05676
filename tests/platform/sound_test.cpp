#include "platform/sound.h"
#include <QCoreApplication>
#include <QDataStream>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <atomic>
#include <csignal>
#include <mutex>

using namespace platform;

namespace {

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

void wait_ms(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

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
    int argc = 1;
    char name[] = "sound_test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    // A sound with no zero inside, at the mixer's own rate so that it is mixed unchanged.
    const int frames = 44100 / 5;
    QByteArray data(frames * 4, Qt::Uninitialized);
    auto* pcm = reinterpret_cast<int16_t*>(data.data());
    for (int i = 0; i < frames * 2; ++i)
        pcm[i] = static_cast<int16_t>(1 + (i * 37) % 20000);
    const QString path = write_wav(dir, "tone.wav", 44100, data);
    Tap tap;
    platform::SdlSoundOptions options;
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

TEST(SdlSound, LeavesTerminationSignalsToTheProgram)
{
    auto sound = make_sdl_sound_system();
    struct sigaction current {};
    ASSERT_EQ(sigaction(SIGTERM, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
    ASSERT_EQ(sigaction(SIGINT, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_DFL);
}
