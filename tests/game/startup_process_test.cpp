// The real game program in a copy of its folder, on a private X server: a start-up
// that fails shows its message, and once the user presses Enter the process ends
// with exit code 1.
#include "game_folder.h"
#include "x_session.h"
#include <QTemporaryDir>
#include <QtTest>
#include <X11/keysym.h>

class StartupProcessTest : public QObject {
    Q_OBJECT

private slots:
    void a_failed_start_ends_the_process_with_1()
    {
        XSession x;
        if (!x.ok())
            QSKIP("no Xvfb to run the game on");
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
};

QTEST_MAIN(StartupProcessTest)
#include "startup_process_test.moc"
