// How long the sound calls hold the UI thread when the sound server goes away: the
// server (its pid in BENCH_PULSE_PID) is killed while a sound plays, then every call
// the game makes is timed: sounds on the lost device, the idle close, and the retry at
// the next game start with no server to find. Run it from bench/sound/measure_server_loss.sh.
// Usage: bench_sound_server_loss <long sound file> <short sound file>
#include "platform/sound/sound.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QThread>
#include <chrono>
#include <cstdio>
#include <signal.h>

namespace {

double ms_of(const std::function<void()>& call)
{
    const auto t0 = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void run_for(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const pid_t server = static_cast<pid_t>(qEnvironmentVariableIntValue("BENCH_PULSE_PID"));
    if (argc < 3 || server <= 0) {
        std::fprintf(stderr, "usage: BENCH_PULSE_PID=<pid> %s <long sound file> <short sound file>\n", argv[0]);
        return 2;
    }
    std::unique_ptr<platform::SoundSystem> sound;
    if (qEnvironmentVariableIntValue("BENCH_STOPPED") == 1) {
        kill(server, SIGSTOP);
        const double open = ms_of([&] { sound = platform::make_sound_system(); });
        std::printf("open on a stopped server: %.2f ms (device %s)\n", open, sound->has_device() ? "there" : "silent");
        auto buffer = sound->make_buffer(argv[1]);
        auto retry = [&](const char* when) {
            const double took = ms_of([&] { sound->reconnect(); });
            const double play = ms_of([&] { buffer->play(); });
            std::printf("retry at a game start, %s: %.2f ms, then play %.2f ms (%s)\n", when, took, play,
                        buffer->is_playing() ? "plays" : "silent");
        };
        for (int i = 0; i < 3; ++i)
            retry("server stopped");
        kill(server, SIGCONT);
        run_for(300);
        retry("server going on");
        return 0;
    }
    std::printf("open on the server: %.2f ms\n", ms_of([&] { sound = platform::make_sound_system(); }));
    auto buffer = sound->make_buffer(argv[1]);
    std::printf("play: %.2f ms\n", ms_of([&] { buffer->play(); }));
    run_for(300);
    kill(server, SIGKILL);
    run_for(300);
    double worst[4] = {};
    for (int i = 0; i < 20; ++i) { // strikes while the server is gone
        worst[0] = std::max(worst[0], ms_of([&] { buffer->stop(); }));
        worst[1] = std::max(worst[1], ms_of([&] { buffer->rewind(); }));
        worst[2] = std::max(worst[2], ms_of([&] { buffer->play(); }));
        worst[3] = std::max(worst[3], ms_of([&] { sound->simple_player().play(argv[2]); }));
        run_for(50);
    }
    std::printf("with the server gone, worst of 20: stop %.2f ms, rewind %.2f ms, play %.2f ms, one-shot %.2f ms\n",
                worst[0], worst[1], worst[2], worst[3]);
    // The silence timer closes the device on the event loop; its worst event is timed.
    double longest_event = 0;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 4000) {
        longest_event = std::max(longest_event, ms_of([] { QCoreApplication::processEvents(QEventLoop::AllEvents); }));
        QThread::msleep(2);
    }
    std::printf("longest event while the device closes: %.2f ms\n", longest_event);
    std::printf("play on the closed, lost device: %.2f ms\n", ms_of([&] { buffer->rewind(); buffer->play(); }));
    for (int i = 0; i < 3; ++i) {
        const double took = ms_of([&] { sound->reconnect(); });
        std::printf("retry at a game start, no server: %.2f ms (device %s)\n", took,
                    sound->has_device() ? "back" : "still lost");
    }
    std::printf("closing it all: %.2f ms\n", ms_of([&] {
                    buffer.reset();
                    sound.reset();
                }));
    return 0;
}
