#include "blank_program.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/app/single_instance.h"
#include "tests/platform/ui/accessible_walk.h"
#include <QDeadlineTimer>
#include <QLockFile>
#include <QProcess>
#include <QScreen>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

namespace {

// The whole primary screen, as the program passes it; the start point in its middle.
QRect screen_rect() { return QGuiApplication::primaryScreen()->geometry(); }
QPoint start_point() { return screen_rect().center(); }

void send_move(QWidget* w, QPoint global)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(w->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class BlankWindowTest : public QObject {
    Q_OBJECT

    platform::ScriptedPrompt prompt_;
    std::unique_ptr<platform::SingleInstance> instance_;
    std::unique_ptr<BlankProgram> program_;
    BlankScreen* w_ = nullptr;

private slots:
    void init()
    {
        prompt_ = platform::ScriptedPrompt();
        instance_ = std::make_unique<platform::SingleInstance>(QStringLiteral("yomino02"));
        program_ = std::make_unique<BlankProgram>(prompt_, *instance_);
        QCOMPARE(program_->start(screen_rect(), start_point()), std::nullopt);
        w_ = program_->window();
        QVERIFY(w_);
        QVERIFY(QTest::qWaitForWindowExposed(w_));
    }
    void cleanup()
    {
        program_.reset();
        instance_.reset();
    }

    void covers_the_screen_black_topmost_without_cursor()
    {
        QCOMPARE(w_->geometry(), screen_rect());
        QVERIFY(w_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w_->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w_->cursor().shape(), Qt::BlankCursor);
        // A screen reader finds a window that says what it is, with the keys.
        const QStringList found = accessible_walk::unnamed_controls(w_);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w_);
        QVERIFY(iface->state().focusable);
        QVERIFY(!iface->text(QAccessible::Description).isEmpty());
        const QImage shown = w_->grab().toImage();
        QCOMPARE(shown.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(screen_rect().width() - 1, screen_rect().height() - 1), qRgb(0, 0, 0));
        QVERIFY(prompt_.asked.isEmpty());
    }

    void any_key_closes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier);
        QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier);
        QTest::newRow("alt+f4") << int(Qt::Key_F4) << int(Qt::AltModifier);
        QTest::newRow("alt+x") << int(Qt::Key_X) << int(Qt::AltModifier);
        QTest::newRow("ctrl+q") << int(Qt::Key_Q) << int(Qt::ControlModifier);
    }
    void any_key_closes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QSignalSpy finished(w_, &BlankScreen::blank_finished);
        QTest::keyPress(w_, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!w_->isVisible());
        QCOMPARE(finished.count(), 1);
        QVERIFY2(w_->cursor().shape() != Qt::BlankCursor, "cursor shown again");
    }

    void left_and_right_buttons_close_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("closes");
        QTest::newRow("left") << int(Qt::LeftButton) << true;
        QTest::newRow("right") << int(Qt::RightButton) << true;
        QTest::newRow("middle") << int(Qt::MiddleButton) << false;
        QTest::newRow("back") << int(Qt::BackButton) << false;
    }
    void left_and_right_buttons_close()
    {
        QFETCH(int, button);
        QFETCH(bool, closes);
        QTest::mousePress(w_, Qt::MouseButton(button), Qt::NoModifier, start_point());
        QTest::mouseRelease(w_, Qt::MouseButton(button), Qt::NoModifier, start_point());
        QCOMPARE(!w_->isVisible(), closes);
        QCOMPARE(w_->finished(), closes);
    }

    void wheel_does_not_close()
    {
        QWheelEvent e{QPointF(start_point()), QPointF(start_point()), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false};
        QApplication::sendEvent(w_, &e);
        QVERIFY(w_->isVisible());
    }

    void seventh_diagonal_move_closes()
    {
        for (int i = 1; i <= 6; ++i) {
            send_move(w_, start_point() + QPoint(200, 200));
            QVERIFY2(w_->isVisible(), "the first six moves never close");
        }
        send_move(w_, start_point() + QPoint(7, -7));
        QVERIFY(!w_->isVisible());
        QCOMPARE(w_->rule().move_count(), 7);
    }

    void horizontal_moves_never_close()
    {
        int moves = 0;
        for (int x = 0; x < screen_rect().width(); x += 4, ++moves)
            send_move(w_, QPoint(x, start_point().y() + 3));
        QVERIFY(w_->isVisible());
        QCOMPARE(int(w_->rule().move_count()), moves);
    }

    void window_manager_close_is_ignored()
    {
        QVERIFY(!w_->close());
        QVERIFY(w_->isVisible());
        QVERIFY(!w_->finished());
    }

    void second_start_is_refused()
    {
        // This test's program holds the lock; another one in the same session is refused.
        platform::ScriptedPrompt prompt;
        platform::SingleInstance other_instance(QStringLiteral("yomino02"));
        BlankProgram other(prompt, other_instance);
        QCOMPARE(other.start(screen_rect(), start_point()), std::optional<int>(0));
        QVERIFY(!other.window());
        QCOMPARE(prompt.asked.size(), 1);
        QCOMPARE(prompt.asked[0].text, QStringLiteral("2重起動禁止"));
        QCOMPARE(prompt.asked[0].title, QStringLiteral("error"));
        QCOMPARE(prompt.asked[0].buttons, platform::Prompt::Buttons::Ok);
        QVERIFY2(w_->isVisible() && !w_->finished(), "the running one is untouched");
    }

    void a_running_program_holds_the_lock_until_it_dies()
    {
        program_.reset();
        instance_.reset();

        QProcess first;
        first.start(qEnvironmentVariable("SUITE_DIR") + QStringLiteral("/yomino02"), {});
        QVERIFY(first.waitForStarted());
        platform::SingleInstance probe(QStringLiteral("yomino02"));
        // Wait until the program has written its lock (read only, never taken by us).
        QLockFile reader(probe.lock_path());
        const QDeadlineTimer deadline(10000);
        qint64 pid = 0;
        QString host, app;
        while (!(reader.getLockInfo(&pid, &host, &app) && pid == first.processId()) && !deadline.hasExpired())
            QTest::qWait(20);
        QCOMPARE(pid, first.processId());
        QVERIFY2(!probe.acquire(), "the running program holds the lock");
        QCOMPARE(first.state(), QProcess::Running);

        first.kill(); // a crash leaves its lock file behind
        QVERIFY(first.waitForFinished());
        QVERIFY2(probe.acquire(), "a dead program's lock is taken over");
    }
};

QTEST_MAIN(BlankWindowTest)
#include "blank_window_test.moc"
