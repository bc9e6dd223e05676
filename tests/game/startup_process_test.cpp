// The real game program in a copy of its folder, on a private X server: a start-up
// that fails shows its message, and once the user presses Enter the process ends
// with exit code 1; a game whose sound server goes away plays on and finds the
// server again at its next start.
#include "game_folder.h"
#include "x_session.h"
#include "game/window/game_build.h"
#include "game/data/game_texts.h"
#include <QTemporaryDir>
#include <QtTest>
#include <X11/keysym.h>
#include <functional>
#include <optional>
#include <signal.h>

namespace {

// A private PulseAudio with a null sink on a socket of its own.
class SoundServer {
public:
    explicit SoundServer(const QString& dir) : dir_(dir) {}
    ~SoundServer() { stop(); }
    static bool available()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
               && !QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty();
    }
    QString address() const { return QStringLiteral("unix:") + dir_ + QStringLiteral("/pulse.sock"); }
    bool start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir_);
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir_ + QStringLiteral("/runtime"));
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("--disallow-exit"), QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--log-level=0"), QStringLiteral("--load=module-null-sink sink_name=bench"),
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + dir_
                           + QStringLiteral("/pulse.sock")});
        if (!server_.waitForStarted())
            return false;
        for (int i = 0; i < 100; ++i) {
            if (pactl({QStringLiteral("info")}).has_value())
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    // Gone at once, as a crashed server is.
    void kill()
    {
        ::kill(static_cast<pid_t>(server_.processId()), SIGKILL);
        server_.waitForFinished();
    }
    void stop()
    {
        if (server_.state() != QProcess::NotRunning)
            kill();
    }
    // The streams playing on the server, one line each.
    int streams()
    {
        const auto out = pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
        return out ? static_cast<int>(out->count('\n')) : -1;
    }

private:
    std::optional<QByteArray> pactl(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), address());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("pactl"), args);
        if (!p.waitForFinished(5000) || p.exitCode() != 0)
            return std::nullopt;
        return p.readAllStandardOutput();
    }

    QString dir_;
    QProcess server_;
};

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
        QTemporaryDir dir;
        const QString program = QStringLiteral("mpkx_v1081dx7");
        QVERIFY(copy_program_folder(dir.filePath(QStringLiteral("game")), program));
        SoundServer server(dir.path());
        QVERIFY(server.start());
        QProcess game;
        QProcessEnvironment env = x.environment();
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("pulseaudio"));
        env.insert(QStringLiteral("PULSE_SERVER"), server.address());
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        game.start(dir.filePath(QStringLiteral("game/") + program), {});
        QVERIFY(game.waitForStarted());
        QVERIFY(x.wait_for_window(game_texts::caption(GameBuild::current().version_text)));
        QTest::qWait(500);

        x.press_key(XK_F1); // a game: its music plays on the server
        QVERIFY2(wait_until([&] { return server.streams() > 0; }, 5000), "the game's music never reached the server");
        server.kill();
        x.press_key(XK_KP_5); // strikes and a new game, with no server to play them
        x.press_key(XK_F1);
        QTest::qWait(2500);
        x.press_key(XK_KP_5);

        QVERIFY(server.start());
        x.press_key(XK_F1); // the next game finds the server again
        QVERIFY2(wait_until([&] { return server.streams() > 0; }, 5000), "the sound did not come back with the server");

        // The window still answers: the close question comes and ends the game.
        x.press_key(XK_q, XK_Control_L);
        QVERIFY(x.wait_for_window(game_texts::kCloseTitle));
        x.press_key(XK_Return);
        QVERIFY2(wait_for_exit(game), "the game did not end");
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(game.exitCode(), 0);
    }
};

QTEST_MAIN(StartupProcessTest)
#include "startup_process_test.moc"
