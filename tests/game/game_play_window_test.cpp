// The game as a player meets it in the main window: keys, presses, menus, timers.
#include "access_log.h"
#include "game_window_harness.h"
#include "game/dialogs/help_window.h"
#include "platform/ui/japanese_ui.h"
#include "platform/ui/window_shape.h"
#include "tests/platform/ui/scaled_screen.h"
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

// A prompt that shows a real modal box, as the program does, and answers No after
// the fake clock has moved on a long way behind it.
class SlowModalPrompt final : public platform::Prompt {
public:
    SlowModalPrompt(platform::FakeClock& clock, platform::Prompt& next) : clock_(clock), next_(next) {}
    bool armed = false;

    int ask(const QString& text, const QString& title, Buttons buttons, Icon icon) override
    {
        if (!armed)
            return next_.ask(text, title, buttons, icon);
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No);
        QTimer::singleShot(0, &box, [this] { clock_.advance(30000); });
        QTimer::singleShot(300, &box, [&box] { box.done(QMessageBox::No); });
        box.exec();
        return kNo;
    }
    std::optional<QString> input(const QString& p, const QString& t, const QString& d, Placement at) override
    {
        return next_.input(p, t, d, at);
    }

private:
    platform::FakeClock& clock_;
    platform::Prompt& next_;
};

} // namespace

class GamePlayWindowTest : public QObject {
    Q_OBJECT

private slots:
    void f1_counts_down_and_a_press_on_a_seal_scores()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.random.set_script({at_hole(4)});
        QTest::keyClick(t.w, Qt::Key_F1);
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
        QVERIFY(!t.w->controls().mpkx->isVisible());
        QCOMPARE(t.w->controls().board->surface().pixel(75, 75), t.w->controls().sprites->count_pic[3].pixel(75, 75));
        QVERIFY(!t.w->controls().board->isEnabled());
        QVERIFY(t.w->menus().m_stop->isVisible());
        QVERIFY(t.h.sound.log.contains("kirakira.wav play"));

        t.h.clock.advance(1500);
        QTRY_VERIFY(t.w->engine().running());
        QCOMPARE(t.w->controls().coment->text(), u("かかってきなさい。"));
        QCOMPARE(t.w->controls().board->cursor().shape(), Qt::BitmapCursor); // the raised weapon
        QVERIFY(t.advance(100));
        QTRY_COMPARE(t.w->engine().ana_flag(4), uint8_t(GameEngine::kSeal));
        QCOMPARE(t.board_pixel(4), t.sprite_pixel(1));

        t.h.sound.log.clear();
        QTest::mousePress(t.w->controls().board, Qt::LeftButton, {}, hole_centre(4));
        QCOMPARE(t.board_pixel(4), t.sprite_pixel(5));
        QCOMPARE(t.w->controls().data[0]->text(), u("得点100"));
        QCOMPARE(t.w->controls().data[2]->text(), u("1匹。"));
        QCOMPARE(t.w->controls().data[5]->text(), u("100%"));
        QCOMPARE(t.h.sound.log, QStringList({"q1.wav stop", "q1.wav rewind", "q1.wav play"}));
        QTest::mouseRelease(t.w->controls().board, Qt::LeftButton, {}, hole_centre(4));

        // A right press beside the holes during play is neither a strike nor the menu.
        QTest::mousePress(t.w->controls().board, Qt::RightButton, {}, QPoint(50, 20));
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(t.w->engine().misses(), 0);
        // A right press on a hole is a strike like any other.
        QTest::mousePress(t.w->controls().board, Qt::RightButton, {}, hole_centre(0));
        QCOMPARE(t.w->engine().misses(), 1);
        QCOMPARE(t.w->controls().data[1]->text(), u("残時間19"));
    }

    void a_screen_reader_plays_the_nine_cells_and_hears_the_game()
    {
        Table t;
        QVERIFY(t.ready());
        AccessLog log;
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(t.w->controls().board);
        QVERIFY(board);
        QCOMPARE(board->role(), QAccessible::Table);
        QCOMPARE(board->childCount(), 9);
        QVERIFY(board->tableInterface());
        QCOMPARE(board->tableInterface()->cellAt(2, 1), board->child(7));
        const QString press = QAccessibleActionInterface::pressAction();
        auto name = [&](int cell) { return board->child(cell)->text(QAccessible::Name); };
        auto press_cell = [&](int cell) { board->child(cell)->actionInterface()->doAction(press); };

        // Between games the cells are the icons, named by their comments; a press starts what they start.
        QCOMPARE(name(0), u("ゲームを始めます｡"));
        QCOMPARE(name(7), u("時計を起動します｡"));
        QCOMPARE(board->child(0)->actionInterface()->actionNames(), QStringList{press});
        t.h.random.set_script({at_hole(4)});
        press_cell(0);
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
        QCOMPARE(log.spoken(), QStringList{"3"});
        t.h.clock.advance(1500);
        QTRY_VERIFY(t.w->engine().running());
        // The steps after 3 came within the gap: the last of them is told when it ends.
        QTRY_COMPARE(log.spoken(), QStringList({"3", "GO"}));
        QCOMPARE(name(4), u("中央の穴: 空き"));

        // A seal comes out: its cell says so, and only its cell is told as changed.
        log.events.clear();
        QVERIFY(t.advance(100));
        QTRY_COMPARE(t.w->engine().ana_flag(4), uint8_t(GameEngine::kSeal));
        QTRY_COMPARE(log.renamed_children(QAccessible::Table), QStringList{u("4=中央の穴: ミポ")});
        // Its press strikes it; the hit is told with the comment line.
        press_cell(4);
        QCOMPARE(t.w->engine().hits(), 1);
        QTRY_COMPARE(log.spoken(), QStringList{u("当たり｡ ") + t.w->controls().coment->text()});
        QTRY_VERIFY(log.renamed_children(QAccessible::Table).contains(u("4=中央の穴: 叩いたミポ")));

        // Eight quick misses are told twice, not eight times: the first at once, the last
        // (with the seconds left) when the gap is over.
        QTest::qWait(Announcer::kGapMs + 50);
        log.events.clear();
        for (int i = 0; i < 8; ++i)
            QVERIFY(press_key(Qt::Key_1));
        QCOMPARE(t.w->engine().misses(), 8);
        QTRY_COMPARE(log.spoken().size(), 2);
        QTest::qWait(Announcer::kGapMs + 50);
        QCOMPARE(log.spoken().size(), 2);
        QVERIFY2(log.spoken()[1].startsWith(u("ミス｡ ")) && log.spoken()[1].endsWith(u(" 残り12秒")),
                 qPrintable(log.spoken()[1]));

        // The gauge is a progress bar of the seconds left.
        QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(t.w->controls().gauge);
        QCOMPARE(gauge->role(), QAccessible::ProgressBar);
        QCOMPARE(gauge->valueInterface()->currentValue().toInt(), 12);
        const bool told_twelve = std::any_of(log.events.begin(), log.events.end(), [](const AccessEvent& e) {
            return e.type == QAccessible::ValueChanged && e.value.toInt() == 12;
        });
        QVERIFY(told_twelve);

        // The last five seconds one by one, then the end, said before the result box opens.
        for (int i = 0; i < 6; ++i)
            QVERIFY(press_key(Qt::Key_1)); // down to 6
        QTest::qWait(Announcer::kGapMs + 50);
        log.events.clear();
        QString said_when_the_box_opened;
        t.h.prompt.while_open = [&](const auto&) {
            if (said_when_the_box_opened.isEmpty())
                said_when_the_box_opened = log.spoken().join('|');
        };
        for (int second = 5; second >= 1; --second) {
            QVERIFY(t.advance(1000));
            QTRY_COMPARE(log.spoken().value(5 - second), u("残り%1秒").arg(second));
            QTest::qWait(Announcer::kGapMs + 50);
        }
        QVERIFY(t.advance(1000));
        QTRY_COMPARE(t.w->game_mode(), GameMode::Ready);
        QCOMPARE(said_when_the_box_opened, u("残り5秒|残り4秒|残り3秒|残り2秒|残り1秒|終わり｡"));
        // The board is the icon menu again.
        QTRY_COMPARE(name(8), u("メモルーを開く"));
        QCOMPARE(board->text(QAccessible::Name), u("アイコンメニュー"));
    }

    void presses_and_keys_during_the_count_down_do_nothing()
    {
        Table t;
        QVERIFY(t.ready());
        QTest::keyClick(t.w, Qt::Key_F1);
        QTest::mousePress(t.w->controls().board, Qt::RightButton, {}, hole_centre(4));
        QVERIFY(QApplication::activePopupWidget() == nullptr);
        QTest::mousePress(t.w->controls().board, Qt::LeftButton, {}, hole_centre(4));
        QTest::keyClick(t.w, Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(t.w->engine().misses(), 0);
        QCOMPARE(t.w->engine().time_left(), 20);
    }

    void a_reset_or_a_pause_in_the_count_down_leaves_the_board_working()
    {
        Table t;
        QVERIFY(t.ready());
        t.let_go();
        QWidget* board = t.w->controls().board;
        QMenu* sm = t.w->menus().sm;
        auto choose = [](QMenu* menu, QAction* action) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        };
        auto board_works = [&] {
            QTest::mouseClick(t.w->controls().mpkx, Qt::LeftButton, {}, QPoint(100, 100)); // the plate gives way
            if (!board->isEnabled())
                return false;
            QTest::mouseMove(board, hole_centre(8));
            QTest::mouseMove(board, hole_centre(4));
            if (t.w->controls().coment->text() != u("設定を変更します｡"))
                return false;
            const int asked = t.h.prompt.asked.size();
            QTest::mouseClick(board, Qt::LeftButton, {}, hole_centre(3)); // the table's icon
            if (t.h.prompt.asked.size() != asked + 1)
                return false;
            QTest::mousePress(board, Qt::RightButton, {}, hole_centre(4));
            const bool menu = QApplication::activePopupWidget() == sm;
            press_key(Qt::Key_Escape);
            return menu && QApplication::activePopupWidget() == nullptr;
        };

        // F1, then Ctrl+R before the count-down is over.
        QVERIFY(press_key(Qt::Key_F1));
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
        QVERIFY(!board->isEnabled());
        QVERIFY(press_key(Qt::Key_R, Qt::ControlModifier));
        QCOMPARE(t.w->game_mode(), GameMode::Ready);
        QVERIFY(board_works());

        // F1, then reset from the menu a right click beside the board opens.
        QVERIFY(press_key(Qt::Key_F1));
        QTest::mousePress(t.w->controls().form, Qt::RightButton, {}, QPoint(195, 200));
        QCOMPARE(QApplication::activePopupWidget(), sm);
        choose(sm, t.w->menus().sm_reset);
        QCOMPARE(t.w->game_mode(), GameMode::Ready);
        QVERIFY(board_works());

        // F1, then ファイル from the menu bar: the count-down pauses, and the board's
        // own menu serves the pause, down to its reset.
        QVERIFY(press_key(Qt::Key_F1));
        QMenuBar* bar = t.w->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(t.w->menus().file->menuAction()).center());
        QTRY_COMPARE(QApplication::activePopupWidget(), t.w->menus().file);
        QCOMPARE(t.w->game_mode(), GameMode::Paused);
        QVERIFY(press_key(Qt::Key_Escape));
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QTest::mousePress(board, Qt::RightButton, {}, hole_centre(4));
        QCOMPARE(QApplication::activePopupWidget(), sm);
        choose(sm, t.w->menus().sm_reset);
        QCOMPARE(t.w->game_mode(), GameMode::Ready);
        QVERIFY(board_works());

        // Resumed, the count-down takes the board away again until it is over.
        QVERIFY(press_key(Qt::Key_F1));
        t.w->menus().file->popup(t.w->mapToGlobal(QPoint(0, 0)));
        choose(t.w->menus().file, t.w->menus().m_stop); // 再開
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
        QVERIFY(!board->isEnabled());
        t.h.clock.advance(1500);
        QTRY_VERIFY(t.w->engine().running());
        QVERIFY(board->isEnabled());
    }

    void the_keypad_strikes_with_numlock_on_or_off_once_per_press()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.random.set_script({at_hole(5)});
        QVERIFY(t.start_with_f1());
        QVERIFY(t.advance(100));
        QTRY_COMPARE(t.w->engine().ana_flag(5), uint8_t(GameEngine::kSeal));
        QTest::keyClick(t.w, Qt::Key_6, Qt::KeypadModifier);
        QCOMPARE(t.w->engine().hits(), 1);
        QCOMPARE(t.board_pixel(5), t.sprite_pixel(5));

        QTest::keyClick(t.w, Qt::Key_Home, Qt::KeypadModifier); // 7 with NumLock off: hole 0, empty
        QCOMPARE(t.w->engine().misses(), 1);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_7, Qt::KeypadModifier, QStringLiteral("7"), true);
        QApplication::sendEvent(t.w, &repeat);
        QCOMPARE(t.w->engine().misses(), 1);
        QTest::keyClick(t.w, Qt::Key_1); // the main-row 1: hole 6
        QCOMPARE(t.w->engine().misses(), 2);
        QTest::keyClick(t.w, Qt::Key_0, Qt::KeypadModifier);
        QTest::keyClick(t.w, Qt::Key_Up); // an arrow key off the keypad
        QCOMPARE(t.w->engine().misses(), 2);
    }

    void the_file_menu_pauses_and_its_entry_resumes()
    {
        Table t;
        QVERIFY(t.ready());
        const WId id = t.w->winId();
        QVERIFY(t.start_with_f1());
        // Topmost is switched on the window that is there: same window, still active.
        QVERIFY(platform::is_topmost(t.w));
        QCOMPARE(t.w->winId(), id);
        QVERIFY(t.w->isActiveWindow());
        t.w->menus().file->popup(t.w->mapToGlobal(QPoint(0, 0)));
        QCOMPARE(t.w->game_mode(), GameMode::Paused);
        QCOMPARE(t.w->menus().m_stop->text(), u("再開"));
        QCOMPARE(t.w->controls().data[2]->text(), u("再開"));
        QVERIFY(!platform::is_topmost(t.w));
        t.w->menus().file->hide();
        QVERIFY(t.advance(5000));
        QCOMPARE(t.w->engine().time_left(), 20);

        t.w->menus().m_stop->trigger();
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
        QCOMPARE(t.w->menus().m_stop->text(), u("中断"));
        QVERIFY(platform::is_topmost(t.w));
        QCOMPARE(t.w->winId(), id);
        QVERIFY(t.advance(1100));
        QTRY_COMPARE(t.w->engine().time_left(), 19);
    }

    void the_game_stands_still_while_a_menu_is_open()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(t.start_with_f1());
        t.w->menus().mode_menu->popup(t.w->mapToGlobal(QPoint(40, 0)));
        QCOMPARE(t.w->game_mode(), GameMode::Playing); // this menu does not pause
        t.stall_for(3000);
        QCOMPARE(t.w->engine().time_left(), 20);
        t.w->menus().mode[1]->trigger();
        t.w->menus().mode_menu->hide();
        QVERIFY(t.w->menus().mode[1]->isChecked());
        QVERIFY(!t.w->menus().mode[0]->isChecked());
        QCOMPARE(t.w->controls().coment->text(), u("mode of ZAN"));
        // Afterwards the game catches up as after any late pass: one second booked.
        QTRY_COMPARE(t.w->engine().time_left(), 19);
        QTest::qWait(100);
        QCOMPARE(t.w->engine().time_left(), 19);

        t.w->menus().reset->trigger();
        QVERIFY(t.w->menus().mode[0]->isChecked());
        QVERIFY(!t.w->menus().mode[1]->isChecked());
        QCOMPARE(t.w->game_mode(), GameMode::Ready);
        QVERIFY(t.w->controls().mpkx->isVisible());
        QVERIFY(!t.w->menus().m_stop->isVisible());
    }

    void a_game_lost_to_misses_ends_with_its_message_and_a_clean_board()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(t.start_with_f1());
        for (int i = 0; i < 20; ++i)
            QTest::mousePress(t.w->controls().board, Qt::LeftButton, {}, hole_centre(8));
        QCOMPARE(t.w->game_mode(), GameMode::Ready);
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QCOMPARE(t.h.prompt.asked[0].text, u("貴方は0匹のミポをに★を与えました。"));
        QCOMPARE(t.h.prompt.asked[0].title, u("終わり"));
        QCOMPARE(t.w->controls().data[1]->text(), u("残り時間"));
        QCOMPARE(t.w->controls().coment->text(), u("帰る?逃げていい?"));
        QCOMPARE(t.w->controls().gauge->surface().pixel(176, 4), qRgb(255, 255, 255));
        QCOMPARE(t.w->controls().board->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!t.w->menus().m_stop->isVisible());
        QVERIFY(!platform::is_topmost(t.w));
        // The idle board is the icon menu again.
        QVERIFY(t.board_pixel(8) != t.w->controls().form->surface().pixel(130 + 25, 212 + 25));
        const QImage idle = t.w->controls().board->surface().image();
        t.w->draw_icons();
        QCOMPARE(t.w->controls().board->surface().image(), idle);
        QCOMPARE(t.h.sound.log.mid(t.h.sound.log.size() - 2), QStringList({"kirakira.wav stop", "kirakira.wav rewind"}));
        // Idle again: a left press on the board strikes nothing.
        QTest::mousePress(t.w->controls().board, Qt::LeftButton, {}, hole_centre(8));
        QCOMPARE(t.w->engine().misses(), 20);
    }

    void the_gauge_is_full_at_twenty_seconds_not_before()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.random.set_script({0.5});
        QVERIFY(t.start_with_f1());
        QVERIFY(t.advance(16900));
        const platform::Surface& gauge = t.w->controls().gauge->surface();
        QCOMPARE(gauge.pixel(176, 4), qRgb(255, 255, 255));
        QVERIFY(gauge.pixel(140, 4) != qRgb(255, 255, 255));
        QVERIFY(t.advance(3090));
        QVERIFY(gauge.pixel(176, 4) != qRgb(255, 255, 255));
    }

    void a_new_start_during_a_game_keeps_the_clean_board_underneath()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.random.set_script({at_hole(4)});
        QVERIFY(t.start_with_f1());
        QVERIFY(t.advance(100));
        QTRY_COMPARE(t.w->engine().ana_flag(4), uint8_t(GameEngine::kSeal));
        const QRgb empty = t.w->controls().form->surface().pixel(80 + 25, 162 + 25);
        t.w->menus().sm_start->trigger();
        QCOMPARE(t.w->controls().form->surface().pixel(80 + 25, 162 + 25), empty);
        QVERIFY(platform::is_topmost(t.w));
        QCOMPARE(t.h.prompt.asked.size(), 0);
        t.h.clock.advance(1500);
        QTRY_VERIFY(t.w->engine().running());
        QCOMPARE(t.board_pixel(4), empty);
    }

    void the_close_question_holds_the_game()
    {
        Harness h;
        QVERIFY(h.prepare());
        SlowModalPrompt prompt(h.clock, h.prompt);
        h.app = std::make_unique<GameApp>(h.services(prompt), h.paths, PokanWindow::Options{});
        h.start();
        PokanWindow* w = h.app->main_window();
        w->open_end();
        w->begin();
        h.clock.advance(1500);
        QTRY_VERIFY(w->engine().running());
        prompt.armed = true;
        w->menus().sm_exit->trigger(); // half a minute passes behind the question
        QVERIFY(w->isVisible());
        QCOMPARE(w->game_mode(), GameMode::Playing);
        // The half minute is not counted: one second is booked, as after any stall (the box's own
        // event loop may already have run that first pass once the box was closed).
        QVERIFY2(w->engine().time_left() >= 19, qPrintable(QString::number(w->engine().time_left())));
        QTRY_COMPARE(w->engine().time_left(), 19);
        QTest::qWait(100);
        QCOMPARE(w->engine().time_left(), 19);
    }

    void the_earlier_build_differs_where_it_always_did()
    {
        Table t;
        t.h.build = GameBuild::earlier();
        QVERIFY(t.ready());
        QCOMPARE(t.w->windowTitle(), u("ミポぽかん｡Ver: 1.0.81"));
        QVERIFY(t.w->menus().change_pic == nullptr);
        QStringList file;
        for (QAction* a : t.w->menus().file->actions())
            file << a->text();
        QCOMPARE(file.indexOf(u("ヘルプ")), file.indexOf(u("スコア")) + 1);
        QCOMPARE(t.w->controls().board->toolTip(), u("右クリックでメニューが出ます｡"));
        t.w->show_help();
        QVERIFY(t.w->dialogs().help);
        QCOMPARE(t.w->dialogs().help->windowTitle(), QString("help"));
        QVERIFY(t.w->dialogs().help->controls().page == nullptr);
        t.w->dialogs().help->close();

        t.h.random.set_script({at_hole(4)});
        QVERIFY(t.start_with_f1());
        QCOMPARE(t.w->controls().board->toolTip(), QString());
        QVERIFY(t.advance(100));
        QTRY_COMPARE(t.w->engine().ana_flag(4), uint8_t(GameEngine::kSeal));
        t.h.sound.log.clear();
        QTest::keyClick(t.w, Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(t.h.sound.log, QStringList({"simple q1.wav"}));
        t.w->menus().m_stop->trigger();
        t.w->menus().m_stop->trigger();
        QCOMPARE(t.h.sound.log, QStringList({"simple q1.wav"})); // the music plays on through the pause
    }

    void closing_during_a_game_stops_it_first()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(t.start_with_f1());
        QVERIFY(t.advance(200));
        t.w->close();
        const int logged = t.h.sound.log.size();
        t.stall_for(3000); // nothing may run now
        QCOMPARE(t.h.sound.log.size(), logged);
    }

    // ctest runs this on screens scaled by 1.25, 1.5, 1.75 and 2 as well: the title plate with
    // its shaking text, the idle board after a click on the plate and the board during a game show
    // on every device pixel the picture there, never a row or column left from the plate or
    // from an earlier board, nor one that nobody painted. Last, as it gives the application the
    // program's own font: the menu bar's height, and so where the board lies in device pixels,
    // are then the program's.
    void every_picture_fills_its_device_pixels()
    {
        platform::setup_japanese_ui(*qApp);
        Table t;
        QVERIFY(t.ready());
        QTest::qWait(100);
        QCOMPARE(scaled_screen::shows_its_pictures(*t.w), QString());
        QTest::mouseClick(t.w->controls().mpkx, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(!t.w->controls().mpkx->isVisible());
        QCOMPARE(scaled_screen::shows_its_pictures(*t.w), QString());
        t.h.random.set_script({at_hole(4), at_hole(0), at_hole(8)});
        QVERIFY(t.start_with_f1());
        QVERIFY(t.advance(5000));
        QCOMPARE(scaled_screen::shows_its_pictures(*t.w), QString());
    }
};

QTEST_MAIN(GamePlayWindowTest)
#include "game_play_window_test.moc"
