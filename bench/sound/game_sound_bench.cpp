// When the game's sounds are heard: the real main window plays on a real sound server
// (SDL's pulseaudio driver) while `parec` records the server's output; the input comes
// through the X server (XTest), as a user's does. Run it from bench/sound/measure_sound.sh.
//
// Every sound of the game ends in digital silence and has no silence inside (checked on
// the files), and the recorded sink carries nothing else, so a sound starts at the first
// non-zero sample after silence, and a run of zeros inside a sound is an underrun.
//
// Usage: bench_game_sound <program folder> <recording.raw> [buffer frames] [strikes a series] [whole games]
#include "game/window/game_app.h"
#include "bench/summary.h"
#include "tests/game/fake_desktop.h"
#include "tests/game/game_folder.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/sound/wav_pcm.h"
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <mutex>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Wall = std::chrono::steady_clock;
constexpr int kRate = 44100;

int64_t now_ns()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Wall::now().time_since_epoch()).count();
}

// parec on the sink's monitor; every read is noted with the moment it arrived.
class Recorder {
public:
    bool start()
    {
        // REC_LATENCY_MS (default 2): on PipeWire the smallest latency any stream asks for sets
        // the whole graph's cycle, so the recorder's choice shapes what it records.
        const QByteArray latency = "--latency-msec=" + qEnvironmentVariable("REC_LATENCY_MS", QStringLiteral("2")).toLatin1();
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], 1);
            close(fds[0]);
            close(fds[1]);
            execlp("parec", "parec", "-d", "bench.monitor", "--raw", "--format=s16le", "--rate=44100",
                   "--channels=2", latency.constData(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        fd_ = fds[0];
        thread_ = std::thread([this] { read_all(); });
        return pid_ > 0;
    }
    void stop()
    {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        thread_.join();
        close(fd_);
    }
    size_t frames() const
    {
        std::lock_guard lock(mutex_);
        return samples_.size() / 2;
    }
    // The moment frame `f` left the server: the null sink plays on the monotonic clock, so
    // frame f left at T0 + f / rate, and every read arrives at or after its last frame left;
    // T0 is the earliest that fits the reads around f.
    int64_t time_of(int64_t f) const
    {
        int64_t t0 = INT64_MAX;
        for (const auto& [end, t] : reads_)
            if (std::llabs(end - f) < 2 * kRate)
                t0 = std::min<int64_t>(t0, t - end * 1'000'000'000LL / kRate);
        return t0 + f * 1'000'000'000LL / kRate;
    }
    int64_t frame_at(int64_t t_ns) const
    {
        int64_t f = 0;
        for (int i = 0; i < 3; ++i) // the mapping is linear near f; three rounds settle it
            f += (t_ns - time_of(f)) * kRate / 1'000'000'000LL;
        return f;
    }
    bool active(int64_t f) const { return samples_[2 * f] != 0 || samples_[2 * f + 1] != 0; }
    const std::vector<int16_t>& samples() const { return samples_; }

private:
    void read_all()
    {
        std::vector<char> block(4096);
        std::vector<char> odd; // a read may end inside a frame
        for (;;) {
            const ssize_t n = read(fd_, block.data(), block.size());
            if (n <= 0)
                return;
            const int64_t t = now_ns();
            odd.insert(odd.end(), block.begin(), block.begin() + n);
            const size_t whole = odd.size() / 4 * 4;
            std::lock_guard lock(mutex_);
            const auto* s = reinterpret_cast<const int16_t*>(odd.data());
            samples_.insert(samples_.end(), s, s + whole / 2);
            odd.erase(odd.begin(), odd.begin() + whole);
            reads_.emplace_back(static_cast<int64_t>(samples_.size() / 2), t);
        }
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<int16_t> samples_;
    std::vector<std::pair<int64_t, int64_t>> reads_;
};

enum class Kind { F1, Hit, HitAfterSilence, Miss, Yeti, Zan, Double, WholeGame };
const char* name(Kind k)
{
    switch (k) {
    case Kind::F1: return "F1";
    case Kind::Hit: return "hit";
    case Kind::HitAfterSilence: return "hit after silence";
    case Kind::Miss: return "miss";
    case Kind::Yeti: return "yeti";
    case Kind::Zan: return "ZAN";
    case Kind::Double: return "double";
    case Kind::WholeGame: return "whole game";
    }
    return "";
}
struct Event {
    Kind kind;
    int64_t t_ns;
    bool by_key = false;
    int64_t sync_ns = 0; // the X server's round trip after the fake input
};

class Bench {
public:
    Bench(PokanWindow& w, Display* x) : w_(w), x_(x) {}

    void run_for(int ms)
    {
        const auto until = Wall::now() + std::chrono::milliseconds(ms);
        while (Wall::now() < until)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    void key(KeySym sym, unsigned int modifier_sym = 0)
    {
        if (modifier_sym)
            XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, modifier_sym), True, CurrentTime);
        XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, sym), True, CurrentTime);
        XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, sym), False, CurrentTime);
        if (modifier_sym)
            XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, modifier_sym), False, CurrentTime);
        XSync(x_, False);
    }
    // Presses on a hole, by mouse or keypad; the event notes when the input went out.
    Event strike(Kind kind, int hole, bool by_key)
    {
        static constexpr KeySym kKeys[] = {XK_KP_7, XK_KP_8, XK_KP_9, XK_KP_4, XK_KP_5,
                                           XK_KP_6, XK_KP_1, XK_KP_2, XK_KP_3};
        const QPoint at = w_.controls().board->mapToGlobal(QPoint(50 * (hole % 3) + 25, 50 * (hole / 3) + 25));
        if (!by_key) { // the pointer is there before the press, as a user's hand is
            XTestFakeMotionEvent(x_, -1, at.x(), at.y(), CurrentTime);
            XSync(x_, False);
        }
        Event e{kind, now_ns(), by_key};
        if (by_key) {
            XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, kKeys[hole]), True, CurrentTime);
            XTestFakeKeyEvent(x_, XKeysymToKeycode(x_, kKeys[hole]), False, CurrentTime);
        } else {
            XTestFakeButtonEvent(x_, 1, True, CurrentTime);
            XTestFakeButtonEvent(x_, 1, False, CurrentTime);
        }
        XSync(x_, False);
        e.sync_ns = now_ns() - e.t_ns;
        return e;
    }
    // Starts a game with F1 and waits out the count-down; `quiet` halts the music, so that
    // what follows sounds against silence.
    void start_game(bool quiet)
    {
        wait_for_quiet();
        point_at_window();
        events.push_back({Kind::F1, now_ns()});
        key(XK_F1);
        while (!w_.engine().running())
            run_for(10);
        if (quiet)
            w_.sounds().music_buffer().rewind();
    }
    // The music is measured from a silent board: a series' last hit may still sound when its
    // game ends, and the music starting under it would not be told apart from it.
    void wait_for_quiet()
    {
        GameSounds& s = w_.sounds();
        const auto quiet = [&] {
            for (int hole = 0; hole < GameEngine::kHoles; ++hole)
                if (s.hit_buffer(hole).is_playing())
                    return false;
            return !s.open_buffer().is_playing() && !s.zan_buffer().is_playing() && !s.music_buffer().is_playing();
        };
        wait_until(quiet, 3000);
        run_for(100); // the server's queue and the recorder's latency
    }
    bool playing() const { return w_.engine().accepts_strikes(); }
    int find(uint8_t flag, int except = -1) const
    {
        for (int hole = 0; hole < GameEngine::kHoles; ++hole)
            if (hole != except && w_.engine().ana_flag(hole) == flag)
                return hole;
        return -1;
    }
    // Strikes whatever `pick` names, `count` times, `gap_ms` apart, over as many games as it
    // takes. Every press the engine counts as meant is measured, however late it counts it (a
    // busy UI thread delays exactly the presses whose sound matters most); a press counted as
    // something else (a seal gone by the time the press is handled is a miss) or never
    // counted is noted and another one made.
    template <class Pick>
    void series(Kind kind, int count, int gap_ms, bool quiet, Pick pick)
    {
        Counting& c = counting[kind];
        int done = 0;
        while (done < count) {
            if (!playing())
                start_game(quiet);
            run_for(gap_ms);
            const int hole = pick();
            if (hole < 0 || !playing())
                continue;
            const int other = kind == Kind::Double ? find(GameEngine::kSeal, hole) : -1;
            if (kind == Kind::Double && other < 0)
                continue;
            const int hits = w_.engine().hits(), misses = w_.engine().misses();
            Event e = strike(kind, hole, done % 2 == 1);
            Event second{};
            const bool hit_expected = kind != Kind::Miss && kind != Kind::Yeti;
            const int presses = kind == Kind::Double ? 2 : 1;
            if (kind == Kind::Double) {
                run_for(40);
                second = strike(kind, other, !e.by_key);
            }
            const auto counted = [&] {
                return w_.engine().hits() + w_.engine().misses() >= hits + misses + presses;
            };
            wait_until(counted, 1000);
            // After the last press's input went out: the engine counts the presses in order.
            const double counted_ms = (now_ns() - (presses == 2 ? second.t_ns : e.t_ns)) / 1e6;
            c.presses += presses;
            if (!counted()) {
                ++c.never;
                continue;
            }
            const bool did = hit_expected ? w_.engine().hits() == hits + presses && w_.engine().misses() == misses
                                          : w_.engine().misses() == misses + 1;
            if (!did) {
                ++c.otherwise;
                continue;
            }
            if (counted_ms > 30) {
                ++c.late;
                c.latest_ms = std::max(c.latest_ms, counted_ms);
            }
            events.push_back(e);
            if (kind == Kind::Double)
                events.push_back(second);
            ++done;
            run_for(std::max(0, 30 - static_cast<int>(counted_ms)));
        }
    }
    // Runs the event loop until `done` holds or `limit_ms` have passed.
    template <class Done>
    void wait_until(Done done, int limit_ms)
    {
        const auto until = Wall::now() + std::chrono::milliseconds(limit_ms);
        while (!done() && Wall::now() < until)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    }
    void point_at_window()
    {
        const QPoint c = w_.mapToGlobal(QPoint(w_.width() / 2, w_.height() / 2));
        XTestFakeMotionEvent(x_, -1, c.x(), c.y(), CurrentTime);
        XSync(x_, False);
    }
    void end_game()
    {
        key(XK_r, XK_Control_L); // reset: back to the title plate, the music stops
        run_for(200);
    }

    std::vector<Event> events;
    // What became of the presses of each series.
    struct Counting {
        int presses = 0;
        int late = 0;      // counted as meant, more than 30 ms after the input
        double latest_ms = 0;
        int otherwise = 0; // counted, but not as meant
        int never = 0;     // not counted within a second
    };
    std::map<Kind, Counting> counting;

private:
    PokanWindow& w_;
    Display* x_;
};


// What the recording holds after one event: the sounds that start there (after at least
// 30 ms of silence), the first one's delay, its length, and runs of zeros inside it.
struct Heard {
    int sounds = 0;
    double delay_ms = -1;
    double length_ms = 0;
    int gaps = 0; // runs of 1 ms of zeros or more inside the sounds
    int64_t start = -1; // the frame where the first sound starts
    std::vector<std::pair<int64_t, int64_t>> gap_at; // the frame where each gap starts, and its frames
};

// How many frames of a sound's beginning are missing where it was heard from `start` on:
// the first 32 frames heard are looked for in the sound's first 50 ms, from its first
// frame that is not silent. -1 when they are not there (something else sounded too).
int missing_start(const Recorder& rec, int64_t start, const platform::Pcm& pcm)
{
    constexpr int kMatch = 32;
    const auto& heard = rec.samples();
    size_t first = 0;
    while (first + 1 < pcm.size() && pcm[first] == 0 && pcm[first + 1] == 0)
        first += 2;
    for (int k = 0; k < kRate / 20; ++k) {
        const size_t at = first + 2 * static_cast<size_t>(k);
        if (at + 2 * kMatch > pcm.size() || static_cast<size_t>(start + kMatch) * 2 > heard.size())
            return -1;
        if (std::equal(pcm.begin() + at, pcm.begin() + at + 2 * kMatch, heard.begin() + start * 2))
            return k;
    }
    return -1;
}
Heard listen(const Recorder& rec, int64_t t_ns, int64_t until_ns)
{
    Heard h;
    const int64_t from = rec.frame_at(t_ns) - kRate / 100; // 10 ms early: sound cannot come before the input
    const int64_t to = std::min<int64_t>(rec.frame_at(until_ns), static_cast<int64_t>(rec.frames()));
    int64_t zeros = kRate; // treat the start as silence only when it is
    for (int64_t f = from - kRate * 3 / 100; f < from; ++f)
        zeros = rec.active(f) ? 0 : zeros + 1;
    int64_t start = -1, last = -1;
    for (int64_t f = from; f < to; ++f) {
        if (!rec.active(f)) {
            ++zeros;
            continue;
        }
        if (zeros >= kRate * 3 / 100) {
            ++h.sounds;
            if (start < 0)
                start = f;
        } else if (zeros >= kRate / 1000 && last >= 0) {
            ++h.gaps;
            h.gap_at.emplace_back(f - zeros, zeros);
        }
        zeros = 0;
        last = f;
    }
    if (start >= 0) {
        h.delay_ms = (rec.time_of(start) - t_ns) / 1e6;
        h.start = start;
        // The first sound lasts until 30 ms of silence, wherever that is.
        const int64_t end = static_cast<int64_t>(rec.frames());
        int64_t f = start, quiet = 0, sounded = start;
        for (; f < end && quiet < kRate * 3 / 100; ++f) {
            quiet = rec.active(f) ? 0 : quiet + 1;
            if (!quiet)
                sounded = f;
        }
        h.length_ms = (sounded - start) * 1000.0 / kRate;
    }
    return h;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s <program folder> <recording.raw> [buffer frames] [strikes a series] [whole games]"
                     " [F1 starts]\n",
                     argv[0]);
        return 2;
    }
    const int buffer =
        argc > 3 && std::atoi(argv[3]) > 0 ? std::atoi(argv[3]) : platform::SoundOptions{}.buffer_frames;
    const int strikes = argc > 4 ? std::atoi(argv[4]) : 100;
    const int whole_games = std::max(1, argc > 5 ? std::atoi(argv[5]) : 1);
    const int f1_starts = argc > 6 ? std::atoi(argv[6]) : 0; // 0: a tenth of the strikes, at least 10
    Display* x = XOpenDisplay(nullptr);
    if (!x) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    QTemporaryDir dir;
    qputenv("SUITE_DIR", argv[1]);
    copy_program_data(dir.path());

    Recorder rec;
    if (!rec.start()) {
        std::fprintf(stderr, "parec could not start\n");
        return 2;
    }
    // The game starts once the recording runs, as on a desktop whose server is long up: a
    // recorder that joins the sink after the game's stream changes the sink under it.
    for (int i = 0; i < 500 && rec.frames() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    platform::SystemClock clock;
    platform::SystemRandom random;
    platform::SoundOptions options;
    options.buffer_frames = buffer;
    // The sound server's own device end, as the game picks it, unless SDL_AUDIODRIVER names
    // an SDL driver; its sizes from the environment, to compare them.
    const auto env = [](const char* name, int fallback) {
        bool ok = false;
        const int v = qEnvironmentVariableIntValue(name, &ok);
        return ok ? v : fallback;
    };
    options.pulse_buffer_frames = env("PULSE_BUFFER", options.pulse_buffer_frames);
    options.pulse_period_frames = env("PULSE_PERIOD", options.pulse_period_frames);
    options.pulse_margin_frames = env("PULSE_MARGIN", options.pulse_margin_frames);
    options.pulse_write_ahead = env("PULSE_WRITE_AHEAD", options.pulse_write_ahead) != 0;
    const bool on_sdl = !qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER");
    auto sound = platform::make_sound_system(options);
    platform::ScriptedPrompt prompt; // the result box answers at once
    FakeDesktop desktop;
    GameApp game({clock, random, *sound, prompt, desktop.services}, GamePaths::in_folder(dir.path()),
                 PokanWindow::Options{});
    game.show_logo();
    while (!(game.main_window() && game.main_window()->isVisible()))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    PokanWindow& w = *game.main_window();
    w.open_end();
    Bench b(w, x);
    b.run_for(3000);
    if (!sound->has_device()) {
        std::fprintf(stderr, "the game found no sound device\n");
        rec.stop();
        return 1;
    }
    GameSettings& settings = w.data().settings;
    settings.hazure_rate = 0;
    // strikes == 0: the whole game alone, to try a buffer size.
    const int music_runs = f1_starts > 0 ? f1_starts : strikes > 0 ? std::max(10, strikes / 10) : 0;
    const int counted = strikes > 0 ? 10 : 0;
    for (int i = 0; i < music_runs; ++i) { // F1 from the idle board: the device is closed
        b.start_game(false);
        b.run_for(1500);
        b.end_game();
        b.run_for(1800);
    }
    if (strikes > 0) {
        b.series(Kind::Hit, strikes, 450, true, [&] { return b.find(GameEngine::kSeal); });
        b.end_game();
        b.series(Kind::HitAfterSilence, strikes, 1600, true, [&] { return b.find(GameEngine::kSeal); });
        b.end_game();
    }
    b.series(Kind::Double, counted, 600, true, [&] { return b.find(GameEngine::kSeal); });
    b.end_game();
    b.series(Kind::Miss, counted, 600, true, [&] { return b.find(GameEngine::kFree); });
    b.end_game();
    settings.hazure_rate = 100;
    b.series(Kind::Yeti, counted, 600, true, [&] { return b.find(GameEngine::kYeti); });
    b.end_game();
    settings.hazure_rate = 0;
    w.mode_click(1);
    b.series(Kind::Zan, counted, 1600, true, [&] { return b.find(GameEngine::kSeal); });
    b.end_game();
    w.mode_click(0);
    b.run_for(1500);
    // Whole games with their music and strikes on them, for underruns.
    settings.hazure_rate = 20;
    std::vector<std::pair<int64_t, int64_t>> games;
    for (int g = 0; g < whole_games; ++g) {
        if (g > 0)
            b.run_for(1500);
        b.start_game(false);
        const int64_t game_from = b.events.back().t_ns;
        int n = 0;
        while (b.playing()) {
            b.run_for(450);
            const int hole = b.find(GameEngine::kSeal);
            if (hole >= 0 && b.playing())
                b.events.push_back(b.strike(Kind::WholeGame, hole, ++n % 2 == 0));
        }
        b.run_for(1500);
        games.emplace_back(game_from, now_ns());
    }
    b.run_for(500);
    rec.stop();
    w.close();

    // The recording, for sox.
    if (FILE* f = std::fopen(argv[2], "wb")) {
        std::fwrite(rec.samples().data(), sizeof(int16_t), rec.samples().size(), f);
        std::fclose(f);
    }

    if (on_sdl)
        std::printf("SDL's device, mixer buffer %d frames (%.1f ms)", buffer, buffer * 1000.0 / kRate);
    else
        std::printf("the server's own stream: %d frames queued (%.1f ms), asked for %d at a time (%.1f ms), new "
                    "sounds %s", options.pulse_buffer_frames, options.pulse_buffer_frames * 1000.0 / kRate,
                    options.pulse_period_frames, options.pulse_period_frames * 1000.0 / kRate,
                    options.pulse_write_ahead ? "written over the queue" : "behind the queue");
    if (!on_sdl && options.pulse_write_ahead)
        std::printf(" from %d frames (%.1f ms) past the playing one", options.pulse_margin_frames,
                    options.pulse_margin_frames * 1000.0 / kRate);
    std::printf("; %.0f s recorded\n", static_cast<double>(rec.frames()) / kRate);
    auto& ev = b.events;
    double single_hit_ms = 305; // q1.wav's sound, replaced by the shortest hit heard
    // The sounds as the device gets them, to see whether each began whole.
    const auto hit_pcm = platform::load_wav_pcm(dir.filePath(QStringLiteral("wav/q1.wav")), kRate);
    const auto music_pcm = platform::load_wav_pcm(dir.filePath(QStringLiteral("wav/kirakira.wav")), kRate);
    for (Kind kind : {Kind::F1, Kind::Hit, Kind::HitAfterSilence, Kind::Double, Kind::Miss, Kind::Yeti, Kind::Zan}) {
        std::vector<double> delays[2];
        std::vector<double> syncs;
        int count = 0, heard = 0, once = 0, gaps = 0, both_heard = 0;
        int began_whole = 0, began_cut = 0, began_other = 0;
        double most_cut_ms = 0;
        const platform::Pcm* pcm = kind == Kind::F1 ? music_pcm.get()
                                   : kind == Kind::Hit || kind == Kind::HitAfterSilence ? hit_pcm.get()
                                                                                         : nullptr;
        std::vector<int> sounds_heard;
        std::vector<std::pair<double, double>> slowest; // delay, seconds into the recording
        double min_len = 1e9, max_len = 0;
        for (size_t i = 0; i < ev.size(); ++i) {
            if (ev[i].kind != kind)
                continue;
            if (kind == Kind::Double && i + 1 < ev.size() && ev[i + 1].kind == Kind::Double)
                ++i; // the pair is heard from its first press on
            const Event& e = kind == Kind::Double ? ev[i - 1] : ev[i];
            const int64_t until = i + 1 < ev.size() ? ev[i + 1].t_ns : e.t_ns + 2'000'000'000LL;
            const Heard h = listen(rec, e.t_ns, std::min<int64_t>(until, e.t_ns + 1'500'000'000LL));
            if (kind == Kind::Double) { // the second hit, 40 ms later, makes the sound longer by as much
                const double apart = (ev[i].t_ns - e.t_ns) / 1e6;
                both_heard += h.length_ms >= single_hit_ms + apart / 2;
            }
            ++count;
            // Each input heard otherwise than as one sound without a gap, where it lies (seconds
            // into the recording, and on the steady clock, as the device end's own traces are).
            const bool silent_by_design = kind == Kind::Miss || kind == Kind::Yeti;
            if (h.gaps > 0 || h.sounds != (silent_by_design ? 0 : 1)) {
                std::printf("  %s at %.3f s (clock %.3f s): %d sounds, first after %.1f ms; gaps:", name(kind),
                            static_cast<double>(rec.frame_at(e.t_ns)) / kRate, e.t_ns / 1e9, h.sounds, h.delay_ms);
                for (const auto& [at, frames] : h.gap_at)
                    std::printf(" %lld frames %.1f ms after the input;", static_cast<long long>(frames),
                                (rec.time_of(at) - e.t_ns) / 1e6);
                std::printf("\n");
            }
            heard += h.sounds > 0;
            once += h.sounds == 1;
            gaps += h.gaps;
            sounds_heard.push_back(h.sounds);
            syncs.push_back(e.sync_ns / 1e6);
            if (h.sounds > 0) {
                delays[e.by_key].push_back(h.delay_ms);
                slowest.emplace_back(h.delay_ms, static_cast<double>(rec.frame_at(e.t_ns)) / kRate);
                if (pcm) {
                    const int missing = missing_start(rec, h.start, *pcm);
                    began_whole += missing == 0;
                    began_cut += missing > 0;
                    began_other += missing < 0;
                    most_cut_ms = std::max(most_cut_ms, missing * 1000.0 / kRate);
                }
                min_len = std::min(min_len, h.length_ms);
                max_len = std::max(max_len, h.length_ms);
            }
        }
        if (count == 0)
            continue;
        std::printf("%s: %d inputs, %d with sound, %d with exactly one sound, %d gaps inside sounds", name(kind), count,
                    heard, once, gaps);
        if (heard > 0)
            std::printf(", lengths %.0f-%.0f ms", min_len, max_len);
        if (kind == Kind::Double)
            std::printf(", both hits heard in %d", both_heard);
        std::printf("\n");
        if (pcm)
            std::printf("  beginnings: %d heard from the sound's first sample, %d cut (up to %.1f ms), %d with another "
                        "sound over them\n", began_whole, began_cut, most_cut_ms, began_other);
        if (const auto c = b.counting.find(kind); c != b.counting.end())
            std::printf("  presses: %d made; of those measured, %d counted by the engine more than 30 ms after the "
                        "input (latest %.0f ms); %d counted as something else, %d never counted (not measured)\n",
                        c->second.presses, c->second.late, c->second.latest_ms, c->second.otherwise, c->second.never);
        if (kind == Kind::Hit && heard > 0)
            single_hit_ms = min_len;
        for (int by_key = 0; by_key < 2; ++by_key) {
            if (delays[by_key].empty())
                continue;
            const Summary s = summarise(delays[by_key]);
            std::printf("  %s -> first samples out of the server: median %.1f ms, p99 %.1f ms, max %.1f ms (%zu)\n",
                        kind == Kind::F1 ? "F1" : (by_key ? "keypad" : "mouse"), s.p50, s.p99, s.max,
                        delays[by_key].size());
        }
        // Where the slowest lie: clustered, early in the run, or spread evenly.
        std::sort(slowest.rbegin(), slowest.rend());
        if (slowest.size() >= 10) {
            std::printf("  slowest:");
            for (size_t k = 0; k < 5; ++k)
                std::printf(" %.1f ms @%.1f s", slowest[k].first, slowest[k].second);
            std::printf("\n");
        }
        if (kind == Kind::Hit || kind == Kind::HitAfterSilence) {
            std::vector<double> all = delays[0];
            all.insert(all.end(), delays[1].begin(), delays[1].end());
            const Summary s = summarise(all);
            std::printf("  all: median %.1f ms, p99 %.1f ms, max %.1f ms; X round trip after the input p99 %.2f ms\n",
                        s.p50, s.p99, s.max, summarise(syncs).p99);
        }
    }
    std::printf("whole games with music and strikes: gaps of 1 ms or more inside the sounds:");
    for (const auto& [from, to] : games)
        std::printf(" %d", listen(rec, from, to).gaps);
    std::printf("\n");
    // Where the last game's events lie in the recording, for the picture.
    std::printf("events (s into the recording):");
    for (const Event& e : ev)
        if (e.t_ns >= games.back().first && (e.kind == Kind::WholeGame || e.kind == Kind::F1))
            std::printf(" %s@%.3f", name(e.kind), static_cast<double>(rec.frame_at(e.t_ns)) / kRate);
    std::printf("\n");
    XCloseDisplay(x);
    return 0;
}
