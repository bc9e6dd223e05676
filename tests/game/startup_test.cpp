// The game's start-up and close question as the user sees them: what runs while a
// message box is up, where the close question's label stands.
#include "fake_desktop.h"
#include "game_folder.h"
#include "game/window/game_app.h"
#include "game/data/game_texts.h"
#include "platform/fake_clock.h"
#include "platform/sound/recording_sound.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/scripted_random.h"
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace {

// Answers like the scripted prompt and looks at the game while each box is up.
class WatchingPrompt final : public platform::Prompt {
public:
    std::function<void()> while_shown;
    platform::ScriptedPrompt script;

    int ask(const QString& text, const QString& title, Buttons buttons, Icon icon) override
    {
        if (while_shown)
            while_shown();
        return script.ask(text, title, buttons, icon);
    }
    std::optional<QString> input(const QString& prompt, const QString& title, const QString& text,
                                 Placement placement) override
    {
        return script.input(prompt, title, text, placement);
    }
};

struct Game {
    QTemporaryDir dir;
    platform::FakeClock clock{1000};
    platform::ScriptedRandom random{{0.1, 0.9, 0.5}};
    platform::RecordingSoundSystem sound;
    WatchingPrompt prompt;
    GamePaths paths = GamePaths::in_folder(dir.path());
    FakeDesktop desktop;
    GameApp app{GameServices{clock, random, sound, prompt, desktop.services}, paths, PokanWindow::Options{}};

    bool prepare() { return copy_program_data(dir.path()); }

    // Shows the splash and lets its second pass.
    void start()
    {
        app.show_logo();
        clock.advance(1000);
        app.logo()->poll();
    }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void title_waits_until_the_warning_is_answered()
    {
        Game g;
        QVERIFY(g.prepare());
        // A data file the game cannot read brings up a warning during start-up.
        QVERIFY(QDir().mkpath(g.paths.app_dir + "score.ini"));
        bool warned = false;
        g.prompt.while_shown = [&] {
            warned = true;
            PokanWindow* w = g.app.main_window();
            QVERIFY(w);
            QVERIFY(!w->isVisible());
            QVERIFY2(!w->title_running(), "the title runs behind the warning");
            // Time passes while the user reads the box.
            g.clock.advance(3000);
            QTest::qWait(50);
            QVERIFY(g.sound.log.isEmpty());
        };
        g.start();
        QVERIFY(warned);
        QCOMPARE(g.prompt.script.asked.size(), 1);
        QVERIFY(g.prompt.script.asked[0].text.contains("score.ini"));

        PokanWindow* w = g.app.main_window();
        QVERIFY(w->isVisible());
        QVERIFY(w->title_running());
        QVERIFY(w->controls().zorviklogo->isVisible());
        QCOMPARE(w->controls().zorviklogo->y(), 0); // the animation starts from its beginning
        QVERIFY(g.sound.log.isEmpty());
        // the test drives the ticks, with no event loop to run the timer
        for (int i = 0; i < 126; ++i)
            w->title_tick();
        QCOMPARE(g.sound.log, QStringList({"simple open_mpkx.wav"}));
    }

    void title_plays_once_even_when_the_splash_comes_again()
    {
        Game g;
        QVERIFY(g.prepare());
        g.start();
        PokanWindow* w = g.app.main_window();
        QVERIFY(w->title_running());
        w->open_end();
        g.app.show_logo();
        g.clock.advance(1000);
        g.app.logo()->poll();
        QVERIFY(w->isVisible());
        QVERIFY(!w->title_running());
        QVERIFY(!w->controls().zorviklogo->isVisible());
    }

    void close_question_label_stands_at_225()
    {
        Game g;
        QVERIFY(g.prepare());
        g.start();
        PokanWindow* w = g.app.main_window();
        w->open_end();
        QRect label;
        QString text;
        g.prompt.while_shown = [&] {
            QVERIFY(w->controls().zorviklogo->isVisible());
            label = w->controls().zorvik_label->geometry();
            text = w->controls().zorvik_label->text();
        };
        g.prompt.script.answer(platform::Prompt::kNo);
        w->menus().exit->trigger();
        QCOMPARE(text, game_texts::kCloseLabel);
        QCOMPARE(label.y(), 225);
        // Inside the panel, which covers the window.
        QVERIFY(w->controls().zorviklogo->rect().contains(label));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
