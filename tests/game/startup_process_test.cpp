// The real game program in a copy of its folder, on a private X server: a start-up
// that fails shows its message, and once the user presses Enter the process ends
// with exit code 1; a game whose sound server goes away plays on and finds the
// server again at its next start.
#include "game_folder.h"
#include "x_session.h"
#include "tests/platform/sound/sound_server.h"
#include "game/window/game_build.h"
#include "game/data/game_texts.h"
#include <QTemporaryDir>
#include <QtTest>
#include <X11/keysym.h>
#include <functional>
#include <optional>
#include <signal.h>

namespace {

bool wait_until(const std::function<bool()>& done, int timeout_ms)
{
    QDeadlineTimer deadline(timeout_ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

} // namespace

class StartupProcessTest : public QObject {
    Q_OBJECT

private slots:
    void a_failed_start_ends_the_process_with_1()
    {
        XSession x;
        QVERIFY2(x.ok(), XSession::kNoServer);
        const QString program = QStringLiteral("mpkx_v1081dx7");
        // The splash picture fails before anything else; a sprite and a comment file
        // fail once the splash's second is over.
        for (const QString& missing : {QStringLiteral("bmp/thwlogo.jpg"), QStringLiteral("bmp/mipo32.bmp"),
                                      QStringLiteral("hitc.csv")}) {
            QTemporaryDir dir;
            QVERIFY(copy_program_folder(dir.path(), program));
            QVERIFY(QFile::remove(dir.filePath(missing)));
            QProcess game;
            game.setProcessEnvironment(x.environment());
            game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            game.start(dir.filePath(program), {});
            QVERIFY(game.waitForStarted());
            QVERIFY2(x.wait_for_window(QStringLiteral("mpkx")), qPrintable("no message for " + missing));
            x.press_key(XK_Return);
            QVERIFY2(wait_for_exit(game), qPrintable("the game runs on without " + missing));
            QCOMPARE(game.exitStatus(), QProcess::NormalExit);
            QCOMPARE(game.exitCode(), 1);
        }
    }

    void the_game_plays_on_when_its_sound_server_goes_away()
    {
        QVERIFY2(SoundServer::available(),
                 "no pulseaudio and pactl to run a sound server (scripts/setup.sh --tests installs them)");
        XSession x;
        QVERIFY2(x.ok(), XSession::kNoServer);
        // The game's own stream on the server, and SDL's device when SDL_AUDIODRIVER asks for it.
        for (const QString& sdl_driver : {QString(), QStringLiteral("pulseaudio")}) {
            const QString through = sdl_driver.isEmpty() ? QStringLiteral(" (own stream)") : QStringLiteral(" (SDL)");
            QTemporaryDir dir;
            const QString program = QStringLiteral("mpkx_v1081dx7");
            QVERIFY(copy_program_folder(dir.filePath(QStringLiteral("game")), program));
            SoundServer server(dir.path());
            QVERIFY(server.start());
            QProcess game;
            QProcessEnvironment env = x.environment();
            if (sdl_driver.isEmpty())
                env.remove(QStringLiteral("SDL_AUDIODRIVER"));
            else
                env.insert(QStringLiteral("SDL_AUDIODRIVER"), sdl_driver);
            env.insert(QStringLiteral("PULSE_SERVER"), server.address());
            game.setProcessEnvironment(env);
            game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            game.start(dir.filePath(QStringLiteral("game/") + program), {});
            QVERIFY(game.waitForStarted());
            QVERIFY(x.wait_for_window(game_texts::caption(GameBuild::current().version_text)));
            QTest::qWait(500);
            // Silence: the own stream is held on the server, SDL's device is closed.
            const int held = sdl_driver.isEmpty() ? 1 : 0;
            QVERIFY2(wait_until([&] { return server.streams() == held && server.playing_streams() == 0; }, 5000),
                     qPrintable("the game's sound still plays in silence" + through));

            x.press_key(XK_F1); // a game: its music plays on the server
            QVERIFY2(wait_until([&] { return server.playing_streams() > 0; }, 5000),
                     qPrintable("the game's music never reached the server" + through));
            server.kill();
            x.press_key(XK_KP_5); // strikes and a new game, with no server to play them
            x.press_key(XK_F1);
            QTest::qWait(2500);
            x.press_key(XK_KP_5);

            QVERIFY(server.start());
            x.press_key(XK_F1); // the next game finds the server again
            QVERIFY2(wait_until([&] { return server.playing_streams() > 0; }, 5000),
                     qPrintable("the sound did not come back with the server" + through));

            // The window still answers: the close question comes and ends the game.
            x.press_key(XK_q, XK_Control_L);
            QVERIFY(x.wait_for_window(game_texts::kCloseTitle));
            x.press_key(XK_Return);
            QVERIFY2(wait_for_exit(game), qPrintable("the game did not end" + through));
            QCOMPARE(game.exitStatus(), QProcess::NormalExit);
            QCOMPARE(game.exitCode(), 0);
        }
    }
};

QTEST_MAIN(StartupProcessTest)
#include "startup_process_test.moc"
