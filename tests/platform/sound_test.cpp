#include "platform/sound.h"
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>

using namespace platform;

namespace {

// Writes a silent PCM WAV of the given length.
QString write_wav(const QTemporaryDir& dir, const QString& name, int ms)
{
    const int rate = 22050, channels = 2, bits = 16;
    const quint32 data_bytes = rate * channels * (bits / 8) * ms / 1000;
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
    f.write(QByteArray(data_bytes, '\0'));
    return f.fileName();
}

} // namespace

TEST(SdlSound, BuffersStopResumeAndRewindIndependently)
{
    QTemporaryDir dir;
    auto sound = make_sdl_sound_system();
    if (!sound->has_device())
        GTEST_SKIP() << "no audio device, not even the dummy one";
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
