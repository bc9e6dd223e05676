// Two real copies of the blank screen on a private X server, with keys pressed as a
// user presses them: the second copy's refusal takes the Enter key, the running
// copy stays, and a key then closes it.
#include "x_session.h"
#include <QtTest>
#include <X11/keysym.h>

class BlankSecondCopyTest : public QObject {
    Q_OBJECT

private slots:
    void enter_on_the_second_copys_box_leaves_the_first_running()
    {
        XSession x;
        QVERIFY2(x.ok(), XSession::kNoServer);
        const QString program = qEnvironmentVariable("SUITE_DIR") + QStringLiteral("/yomino02");
        QProcess first;
        first.setProcessEnvironment(x.environment());
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QVERIFY(x.wait_for_window(QStringLiteral("Screen Sever")));
        QTest::qWait(300); // the first copy settles: focus, and a keyboard grab if it took one

        QProcess second;
        second.setProcessEnvironment(x.environment());
        second.start(program, {});
        QVERIFY(second.waitForStarted());
        QVERIFY(x.wait_for_window(QStringLiteral("error")));
        QTest::qWait(300);

        x.press_key(XK_Return);
        QVERIFY2(wait_for_exit(second, 5000), "the box did not take the key");
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTest::qWait(300);
        QVERIFY2(first.state() == QProcess::Running, "the running copy ended");
        QVERIFY(x.window_shown(QStringLiteral("Screen Sever")));

        // The blank screen still answers the keyboard.
        x.press_key(XK_space);
        QVERIFY2(wait_for_exit(first, 5000), "a key no longer closes the blank screen");
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
    }
};

QTEST_MAIN(BlankSecondCopyTest)
#include "blank_second_copy_test.moc"
