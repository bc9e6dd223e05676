// Measures a real game in the real main window (run it under Xvfb, QT_QPA_PLATFORM=xcb):
//  1. a 20-second game with the shipped settings: how late each pass comes, the seal and
//     yeti ticks against the whole-interval rule, the game's real length;
//  2. a game with seals every 10 ms: the time from a press (mouse or keypad) handed to
//     the window until the board holds the hit picture and its repaint is queued.
// Usage: bench_game_play <program folder>
#include "game/window/game_app.h"
#include "bench/summary.h"
#include "tests/game/fake_desktop.h"
#include "tests/game/game_folder.h"
#include "platform/ui/scripted_prompt.h"
#include <QApplication>
#include <QDirIterator>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Wall = std::chrono::steady_clock;

double ms_between(Wall::time_point a, Wall::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// The real clock, noting when it is read: the engine reads it once per pass.
class TracingClock final : public platform::Clock {
public:
    uint32_t now_ms() const override
    {
        reads.push_back(Wall::now());
        return real_.now_ms();
    }
    mutable std::vector<Wall::time_point> reads;

private:
    platform::SystemClock real_;
};


// Lets the event loop run until `done` holds.
template <class F>
void run_until(F done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    QTemporaryDir dir;
    qputenv("SUITE_DIR", argv[1]);
    copy_program_data(dir.path());

    TracingClock clock;
    platform::SystemRandom random;
    auto sound = platform::make_sdl_sound_system();
    platform::ScriptedPrompt prompt; // the result box answers at once
    FakeDesktop desktop; // nothing of the companion is used here
    GameApp game({clock, random, *sound, prompt, desktop.services}, GamePaths::in_folder(dir.path()), PokanWindow::Options{});
    game.show_logo();
    run_until([&] { return game.main_window() && game.main_window()->isVisible(); });
    PokanWindow* w = game.main_window();
    w->open_end();

    // 1. A game with the shipped settings.
    const GameSettings settings = w->data().settings;
    const auto f1 = Wall::now();
    w->start_click();
    run_until([&] { return w->game_mode() == GameMode::Ready; });
    const auto over = Wall::now();
    const GameEngine::PassCounts counts = w->engine().pass_counts();
    const auto& reads = clock.reads;
    const size_t passes = static_cast<size_t>(counts.passes);
    const Wall::time_point play_start = reads[reads.size() - passes - 1]; // play_loop's restart
    std::vector<double> lateness;
    for (size_t i = reads.size() - passes; i < reads.size(); ++i)
        lateness.push_back(ms_between(reads[i - 1], reads[i]) - 30.0);
    const Summary late = summarise(lateness);
    const double played = ms_between(play_start, reads.back());
    auto owed = [&](int interval) { return std::min<long>(static_cast<long>(played / interval), counts.passes); };
    std::printf("game with the shipped settings (seal %d ms, yeti %d ms):\n", settings.mipo_interval,
                settings.hazure_interval);
    std::printf("  F1 to the end: %.0f ms; play (count-down over to the last pass): %.0f ms; %d passes\n",
                ms_between(f1, over), played, counts.passes);
    std::printf("  pass lateness beyond 30 ms: p50 %.2f ms, p99 %.2f ms, max %.2f ms\n", late.p50, late.p99, late.max);
    std::printf("  seal ticks %d (whole-interval rule: %ld), yeti ticks %d (rule: %ld)\n", counts.seal_ticks,
                owed(settings.mipo_interval), counts.yeti_ticks, owed(settings.hazure_interval));

    // 2. Strikes: seals every 10 ms, presses as fast as seals come.
    w->data().settings.mipo_interval = 10;
    w->begin();
    platform::SurfaceWidget& board = *w->controls().board;
    std::vector<double> mouse_ms, key_ms;
    int wrong = 0;
    static constexpr int kKeys[] = {Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_4, Qt::Key_5,
                                    Qt::Key_6, Qt::Key_1, Qt::Key_2, Qt::Key_3};
    while (w->game_mode() == GameMode::Playing) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        if (!w->engine().running())
            continue;
        for (int hole = 0; hole < 9; ++hole) {
            if (w->engine().ana_flag(hole) != GameEngine::kSeal)
                continue;
            const QPointF at(50 * (hole % 3) + 25, 50 * (hole / 3) + 25);
            const bool by_key = (mouse_ms.size() + key_ms.size()) % 2 == 1;
            const auto t0 = Wall::now();
            if (by_key) {
                QKeyEvent key(QEvent::KeyPress, kKeys[hole], Qt::KeypadModifier);
                QApplication::sendEvent(w, &key);
            } else {
                QMouseEvent press(QEvent::MouseButtonPress, at, board.mapToGlobal(at), Qt::LeftButton,
                                  Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&board, &press);
            }
            const double took = ms_between(t0, Wall::now());
            (by_key ? key_ms : mouse_ms).push_back(took);
            if (board.surface().pixel(at.x(), at.y()) != w->controls().sprites->pic[5].pixel(25, 25))
                ++wrong;
            if (!by_key) {
                QMouseEvent release(QEvent::MouseButtonRelease, at, board.mapToGlobal(at), Qt::LeftButton,
                                    Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(&board, &release);
            }
            break;
        }
    }
    const Summary mouse = summarise(mouse_ms);
    const Summary key = summarise(key_ms);
    std::printf("press to board (hit picture drawn, repaint queued):\n");
    std::printf("  mouse: %zu presses, median %.3f ms, p99 %.3f ms, max %.3f ms\n", mouse_ms.size(), mouse.p50,
                mouse.p99, mouse.max);
    std::printf("  keypad: %zu keys, median %.3f ms, p99 %.3f ms, max %.3f ms\n", key_ms.size(), key.p50, key.p99,
                key.max);
    std::printf("  presses whose hole did not show the hit picture: %d\n", wrong);
    w->close();
    return 0;
}
