#include "clock/clock_face.h"
#include "clock/tokei_window.h"
#include "clock/twips.h"
#include "platform/ui/window_shape.h"
#include "tests/platform/ui/accessible_walk.h"
#include <QMouseEvent>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {

// Pixels of red text, smoothed edges included.
int count_red(const platform::Surface& s)
{
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const QRgb p = s.pixel(x, y);
            n += qRed(p) > 200 && qGreen(p) < 150 && qBlue(p) < 150 && qGreen(p) == qBlue(p);
        }
    return n;
}

void send_mouse(QWidget* w, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButton button,
                Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class ClockWindowTest : public QObject {
    Q_OBJECT

    QDateTime now_;
    std::unique_ptr<TokeiWindow> w_;

    void set_time(int h, int m, int s) { now_ = QDateTime(QDate(2026, 12, 8), QTime(h, m, s)); }

private slots:
    void init()
    {
        set_time(12, 34, 15);
        w_ = std::make_unique<TokeiWindow>([this] { return now_; }, QLocale(QLocale::Japanese, QLocale::Japan));
        w_->start();
        QVERIFY(QTest::qWaitForWindowExposed(w_.get()));
    }
    void cleanup() { w_.reset(); }

    void window_is_placed_in_twips_with_labels()
    {
        const double dpi = w_->screen()->logicalDotsPerInchX();
        QCOMPARE(w_->geometry(), QRect(twips_to_pixels(200, dpi), twips_to_pixels(200, dpi),
                                      twips_to_pixels(2000, dpi), twips_to_pixels(2000, dpi)));
        QVERIFY(w_->windowFlags().testFlag(Qt::FramelessWindowHint));
        // A size of its own that the window manager cannot change, so it offers no maximise.
        QCOMPARE(w_->minimumSize(), w_->size());
        QCOMPARE(w_->maximumSize(), w_->size());
        QCOMPARE(w_->nowtime()->pos(), QPoint(48, 50));
        const QPoint places[4] = {{110, 60}, {65, 10}, {15, 60}, {65, 105}};
        const char* texts[4] = {"0", "15", "30", "45"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(w_->s_label(i)->pos(), places[i]);
            QCOMPARE(w_->s_label(i)->text(), QString::fromLatin1(texts[i]));
        }
        QVERIFY(w_->running());
    }

    void passes_draw_a_trail_that_a_new_minute_wipes()
    {
        QCOMPARE(w_->nowtime()->text(), QStringLiteral("12:34:15\r\n2026/12/08"));
        QVERIFY2(count_red(w_->drawing()) > 20, "splash printed in red");
        const QPoint dot15 = ClockFace::dot_position(15);
        QCOMPARE(w_->drawing().pixel(dot15.x(), dot15.y()), ClockFace::dot_colour(15));
        QCOMPARE(w_->drawing().pixel(120, 65), ClockFace::circle_colour(15));

        set_time(12, 34, 16);
        w_->clock_pass();
        const QPoint dot16 = ClockFace::dot_position(16);
        QCOMPARE(w_->drawing().pixel(dot16.x(), dot16.y()), ClockFace::dot_colour(16));
        QCOMPARE(w_->drawing().pixel(dot15.x(), dot15.y()), ClockFace::dot_colour(15));
        QCOMPARE(w_->drawing().pixel(120, 65), ClockFace::circle_colour(16));

        set_time(12, 35, 0);
        w_->clock_pass();
        const QRgb back = w_->drawing().pixel(1, 1);
        QCOMPARE(w_->drawing().pixel(dot15.x(), dot15.y()), back);
        QCOMPARE(w_->drawing().pixel(dot16.x(), dot16.y()), back);
        QCOMPARE(w_->drawing().pixel(125, 65), ClockFace::dot_colour(0));
        QCOMPARE(count_red(w_->drawing()), 0);
        QCOMPARE(w_->nowtime()->text(), QStringLiteral("12:35:00\r\n2026/12/08"));

        // The window shows what was drawn.
        const QImage shown = w_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.pixel(125, 65), ClockFace::dot_colour(0));
    }

    void the_timer_drives_the_clock()
    {
        set_time(12, 34, 40);
        const QPoint dot = ClockFace::dot_position(40);
        QTRY_COMPARE_WITH_TIMEOUT(w_->drawing().pixel(dot.x(), dot.y()), ClockFace::dot_colour(40), 2000);
    }

    void circle_mode_masks_and_unmasks_in_place()
    {
        const QPoint pos = w_->pos();
        QVERIFY(!w_->sm_cir()->isChecked());
        send_mouse(w_.get(), QEvent::MouseButtonPress, {60, 60}, w_->mapToGlobal(QPoint(60, 60)), Qt::RightButton,
                   Qt::RightButton);
        QVERIFY(w_->sm()->isVisible());
        QStringList texts;
        for (QAction* a : w_->sm()->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts, QStringList({"circle mode", "always top", "-", "End"}));
        w_->sm()->hide();

        w_->sm_cir()->trigger();
        QVERIFY(w_->sm_cir()->isChecked());
        const QRegion mask = w_->mask();
        QVERIFY(!mask.isEmpty());
        QVERIFY(mask.contains(QPoint(w_->width() / 2, w_->height() / 2)));
        QVERIFY(mask.contains(QPoint(w_->width() / 2, 2)));
        QVERIFY(!mask.contains(QPoint(0, 0)));
        QVERIFY(!mask.contains(QPoint(5, 5)));
        QVERIFY(!mask.contains(QPoint(w_->width() - 3, w_->height() - 3)));
        QCOMPARE(w_->pos(), pos);

        w_->sm_cir()->trigger();
        QVERIFY(!w_->sm_cir()->isChecked());
        QVERIFY(w_->mask().isEmpty());
        QCOMPARE(w_->pos(), pos);
    }

    void always_top_switches_without_moving()
    {
        w_->move(40, 50);
        w_->sm_cir()->trigger();
        w_->sm_a_top()->trigger();
        QVERIFY(w_->sm_a_top()->isChecked());
        QVERIFY(platform::is_topmost(w_.get()));
        QVERIFY(w_->isVisible());
        QCOMPARE(w_->pos(), QPoint(40, 50));
        QVERIFY2(!w_->mask().isEmpty(), "circle mode survives the switch");

        w_->sm_a_top()->trigger();
        QVERIFY(!platform::is_topmost(w_.get()));
        QVERIFY(w_->isVisible());
        QCOMPARE(w_->pos(), QPoint(40, 50));
    }

    void left_drag_keeps_the_pressed_point_under_the_mouse()
    {
        w_->move(100, 100);
        const QPoint start = w_->pos();
        send_mouse(w_.get(), QEvent::MouseButtonPress, {10, 10}, start + QPoint(10, 10), Qt::LeftButton,
                   Qt::LeftButton);
        send_mouse(w_.get(), QEvent::MouseMove, {30, 25}, start + QPoint(30, 25), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w_->pos(), start + QPoint(20, 15));
        send_mouse(w_.get(), QEvent::MouseMove, {5, 40}, start + QPoint(15, 55), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(w_->pos(), start + QPoint(5, 45));
        send_mouse(w_.get(), QEvent::MouseButtonRelease, {10, 10}, start + QPoint(15, 55), Qt::LeftButton,
                   Qt::NoButton);
        send_mouse(w_.get(), QEvent::MouseMove, {50, 50}, start + QPoint(200, 200), Qt::NoButton, Qt::NoButton);
        QCOMPARE(w_->pos(), start + QPoint(5, 45));
    }

    void middle_button_shows_the_credit_that_does_nothing()
    {
        send_mouse(w_.get(), QEvent::MouseButtonPress, {60, 60}, w_->mapToGlobal(QPoint(60, 60)), Qt::MiddleButton,
                   Qt::MiddleButton);
        QVERIFY(w_->sm3()->isVisible());
        QVERIFY(!w_->sm()->isVisible());
        QCOMPARE(w_->sm3()->actions().size(), 1);
        QVERIFY(w_->sm3()->actions().first()->text().contains(QStringLiteral("zorvik")));
        const QPoint pos = w_->pos();
        w_->sm3()->actions().first()->trigger();
        w_->sm3()->hide();
        QVERIFY(w_->isVisible());
        QVERIFY(w_->running());
        QCOMPARE(w_->pos(), pos);
        QVERIFY(w_->mask().isEmpty());
    }

    // Without a mouse: the clock takes the keys and a screen reader finds it as a
    // window; its switches and both menus answer keys.
    void every_function_by_keys()
    {
        const QStringList found = accessible_walk::unnamed_controls(w_.get());
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QVERIFY(QAccessible::queryAccessibleInterface(w_.get())->state().focusable);
        w_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w_.get()));
        QCOMPARE(QApplication::focusWidget(), w_.get());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C);
        QVERIFY(w_->sm_cir()->isChecked());
        QVERIFY(!w_->mask().isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
        QVERIFY(platform::is_topmost(w_.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C);
        QVERIFY(!platform::is_topmost(w_.get()));
        QVERIFY(w_->mask().isEmpty());

        for (auto [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
                                      std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            QTRY_VERIFY(w_->sm()->isVisible());
            QCOMPARE(w_->sm()->activeAction(), w_->sm_cir());
            QTest::keyClick(w_->sm(), Qt::Key_Escape);
            QTRY_VERIFY(!w_->sm()->isVisible());
        }
        // From the menu by the arrows: always top.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Menu);
        QTRY_VERIFY(w_->sm()->isVisible());
        QTest::keyClick(w_->sm(), Qt::Key_Down);
        QTest::keyClick(w_->sm(), Qt::Key_Return);
        QTRY_VERIFY(w_->sm_a_top()->isChecked());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I);
        QTRY_VERIFY(w_->sm3()->isVisible());
        w_->sm3()->hide();
        QVERIFY(w_->running());
    }

    void end_closes_and_stops_the_clock()
    {
        w_->sm_end()->trigger();
        QVERIFY(!w_->isVisible());
        QVERIFY(!w_->running());
        // No more passes after the end.
        set_time(12, 34, 50);
        const QPoint dot = ClockFace::dot_position(50);
        QTest::qWait(600);
        QVERIFY(w_->drawing().pixel(dot.x(), dot.y()) != ClockFace::dot_colour(50));
    }
};

QTEST_MAIN(ClockWindowTest)
#include "clock_window_test.moc"
