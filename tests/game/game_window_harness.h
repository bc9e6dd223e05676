#pragma once
// A game in a program folder of its own, on a fake clock, with scripted answers.
#include "game_folder.h"
#include "game/window/game_app.h"
#include "platform/files/atomic_file.h"
#include "fake_desktop.h"
#include "platform/fake_clock.h"
#include "platform/sound/recording_sound.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/scripted_random.h"
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>


struct Harness {
    QTemporaryDir dir;
    platform::FakeClock clock{1000};
    platform::ScriptedRandom random{{0.1, 0.9, 0.5}};
    platform::RecordingSoundSystem sound;
    platform::ScriptedPrompt prompt;
    FakeDesktop fakes;
    platform::FakeSystemInfo& system = fakes.system;
    platform::FakeTrash& trash = fakes.trash;
    platform::RecordingSessionControl& session = fakes.session;
    platform::RecordingDesktopActions& actions = fakes.actions;
    platform::RecordingProcessStarter& starter = fakes.starter;
    DesktopServices& desktop = fakes.services;
    GamePaths paths = GamePaths::in_folder(dir.path());
    std::unique_ptr<GameApp> app;

    bool prepare() { return copy_program_data(dir.path()); }

    GameServices services(platform::Prompt& with_prompt) { return {clock, random, sound, with_prompt, desktop}; }
    GameServices services() { return services(prompt); }
    GameBuild build = GameBuild::current();
    void make_app() { app = std::make_unique<GameApp>(services(), paths, build); }

    // Shows the splash and lets its second pass.
    void start()
    {
        if (!app)
            make_app();
        app->show_logo();
        clock.advance(1000);
        app->logo()->poll();
    }
};

inline QByteArray file_bytes(const QString& path)
{
    QByteArray b;
    platform::read_whole_file(path, &b);
    return b;
}

inline QString u(const char* s) { return QString::fromUtf8(s); }

// The widget Qt gives a key press to now: the open menu, else the widget with the
// focus, else the active window itself (a window without a focus widget takes its keys).
inline QWidget* key_receiver()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    return QApplication::activeWindow();
}

// Presses and releases a key where Qt delivers it; false when nothing would take it.
inline bool press_key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* to = key_receiver();
    if (!to)
        return false;
    QTest::keyClick(to, key, modifiers);
    return true;
}

// Makes round(Rnd * 8) choose `hole`; round(Rnd * 100) is then at least 50, above
// the default yeti rate, so no yeti comes out.
inline double at_hole(int hole) { return hole >= 4 ? hole / 8.0 : 0.5; }

inline QPoint hole_centre(int hole) { return QPoint(50 * (hole % 3) + 25, 50 * (hole / 3) + 25); }

// A game window on the title plate, shown and active.
struct Table {
    Harness h;
    PokanWindow* w = nullptr;

    bool ready()
    {
        if (!h.prepare())
            return false;
        h.start();
        w = h.app->main_window();
        w->open_end();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    }
    // Lets go of the mouse buttons earlier tests left held, off every control, so
    // that the pointer moves from here on with its buttons up.
    void let_go()
    {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            QTest::mouseRelease(w->windowHandle(), button, {}, QPoint(-10, -10));
    }
    // F1, then the count-down's one and a half seconds on the fake clock.
    bool start_with_f1()
    {
        QTest::keyClick(w, Qt::Key_F1);
        if (w->game_mode() != GameMode::Playing)
            return false;
        h.clock.advance(1500);
        return QTest::qWaitFor([&] { return w->engine().running(); }, 2000);
    }
    // Moves the fake clock on and waits until the pass timer has seen it.
    // While a game runs, waits for two passes at the new time (however busy the machine);
    // false when they did not come.
    [[nodiscard]] bool advance(uint32_t ms)
    {
        h.clock.advance(ms);
        if (!w->engine().running()) {
            QTest::qWait(70);
            return true;
        }
        const int passes = w->engine().pass_counts().passes;
        return QTest::qWaitFor(
            [&] { return !w->engine().running() || w->engine().pass_counts().passes >= passes + 2; }, 5000);
    }
    // Moves the fake clock on while the game stands still (a menu is open): real time passes, no pass.
    void stall_for(uint32_t ms)
    {
        h.clock.advance(ms);
        QTest::qWait(100);
    }
    QRgb board_pixel(int hole) { const QPoint p = hole_centre(hole); return w->controls().board->surface().pixel(p.x(), p.y()); }
    QRgb sprite_pixel(int pic) { return w->controls().sprites->pic[pic].pixel(25, 25); }
};


