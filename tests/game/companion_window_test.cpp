// The main window between games: the icon menu, the mascot's talk, the panels and the
// System and Info menus, on fake services.
#include "access_log.h"
#include "game_window_harness.h"
#include "tests/platform/ui/accessible_walk.h"
#include "game/companion/companion_panel.h"
#include "platform/desktop/recent_documents.h"
#include <QLabel>
#include <QMenu>
#include <QActionGroup>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The window on its idle board: the plate clicked away, the icons drawn.
bool idle(Table& t)
{
    if (!t.ready())
        return false;
    QTest::mouseClick(t.w->controls().mpkx, Qt::LeftButton, {}, QPoint(100, 100));
    return !t.w->controls().mpkx->isVisible();
}

} // namespace

class CompanionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void the_plate_gives_way_to_the_icon_menu_and_the_icons_speak()
    {
        Table t;
        QVERIFY(idle(t));
        QWidget* board = t.w->controls().board;
        QVERIFY(t.board_pixel(4) != t.w->controls().form->surface().pixel(80 + 25, 162 + 25));
        QTest::mouseMove(board, hole_centre(4));
        QCOMPARE(t.w->controls().coment->text(), u("設定を変更します｡"));
        QTest::mouseMove(board, hole_centre(8));
        QCOMPARE(t.w->controls().coment->text(), u("メモルーを開く"));
        QTest::mouseMove(board, QPoint(100, 75)); // on a grid line: the comment stays
        QCOMPARE(t.w->controls().coment->text(), u("メモルーを開く"));
    }

    void the_icons_start_the_game_the_table_and_the_programs()
    {
        Table t;
        QVERIFY(idle(t));
        QWidget* board = t.w->controls().board;
        QTest::mouseClick(board, Qt::LeftButton, {}, hole_centre(3));
        QCOMPARE(t.h.prompt.asked.last().title, u("ミポぽかん｡2000のスコア"));
        QVERIFY(!t.h.prompt.asked.last().text.contains(u("貴方は")));
        for (int cell : {5, 6, 7, 8})
            QTest::mouseClick(board, Qt::LeftButton, {}, hole_centre(cell));
        QCOMPARE(t.h.starter.started,
                 QStringList({"yomino02", "brovu_v1000", u("クルリト1"), "memolu_v1001"}));
        QCOMPARE(t.w->game_mode(), GameMode::Startup);
        QTest::mouseClick(board, Qt::LeftButton, {}, hole_centre(0));
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
    }

    void clicks_beside_the_board_make_the_mascot_talk()
    {
        Table t;
        QVERIFY(idle(t));
        QWidget* form = t.w->controls().form;
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(195, 200));
        QCOMPARE(t.w->controls().coment->text(), u("ゾルヴィク『ナベルネ』"));
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(195, 200));
        QCOMPARE(t.w->controls().coment->text(), u("zorvik/nabelune"));
        for (int i = 2; i < 16; ++i)
            QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(195, 200));
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(195, 200)); // the 17th: line 0 again
        QCOMPARE(t.w->controls().coment->text(), u("ゾルヴィク『ナベルネ』"));
        // After a reset the second script begins.
        t.w->menus().reset->trigger();
        QTest::mouseClick(t.w->controls().mpkx, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseClick(form, Qt::LeftButton, {}, QPoint(195, 200));
        QCOMPARE(t.w->controls().coment->text(), u("逃げても良いのよ。"));
    }

    void the_keyboard_alone_reaches_every_icon_menu_and_the_mascot()
    {
        Table t;
        QVERIFY(t.ready());
        AccessLog log;
        // The plate is a button with a press; its description says what it does, beyond the tip.
        QAccessibleInterface* plate = QAccessible::queryAccessibleInterface(t.w->controls().mpkx);
        QCOMPARE(plate->role(), QAccessible::Button);
        QVERIFY(plate->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        QVERIFY(plate->text(QAccessible::Description) != u("右クリックして｡"));
        // Nothing a listener reaches is unnamed, on the title plate and on the idle board.
        QStringList unnamed = accessible_walk::unnamed_controls(t.w);
        // The keyboard starts on the board; the plate over it is one Tab away, and Enter on it
        // uncovers the icons and hands the focus back to the board.
        QCOMPARE(QApplication::focusWidget(), t.w->controls().board);
        QVERIFY(press_key(Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), t.w->controls().mpkx);
        QVERIFY(press_key(Qt::Key_Return));
        QVERIFY(t.w->controls().mpkx->isHidden());
        QCOMPARE(QApplication::focusWidget(), t.w->controls().board);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(t.w->controls().board);
        QCOMPARE(board->focusChild(), board->child(0));
        unnamed << accessible_walk::unnamed_controls(t.w);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join('\n')));

        // The arrows walk the cells (and stop at the edges); each step is told as the focus.
        log.events.clear();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down})
            QVERIFY(press_key(key));
        QCOMPARE(board->focusChild(), board->child(7));
        QVERIFY(board->child(7)->state().focused);
        const auto last_focus = std::find_if(log.events.rbegin(), log.events.rend(),
                                             [](const AccessEvent& e) { return e.type == QAccessible::Focus; });
        QVERIFY(last_focus != log.events.rend());
        QCOMPARE(last_focus->name, u("時計を起動します｡"));
        QCOMPARE(t.w->controls().coment->text(), u("時計を起動します｡")); // as under the pointer
        // Enter opens the current icon; digits and the keypad open theirs as they strike holes in a game.
        QVERIFY(press_key(Qt::Key_Return));
        QVERIFY(press_key(Qt::Key_6));                         // the blank screen, right of the centre
        QVERIFY(press_key(Qt::Key_3, Qt::KeypadModifier));     // the notepad, bottom right
        QVERIFY(press_key(Qt::Key_PageUp, Qt::KeypadModifier)); // keypad 9 without NumLock: help
        QCOMPARE(t.h.starter.started, QStringList({u("クルリト1"), "yomino02", "memolu_v1001"}));
        QVERIFY(t.w->dialogs().help);
        QVERIFY(t.w->dialogs().help->isVisible());
        t.w->dialogs().help->close();
        t.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.w));

        // T: the mascot talks, and what it says is told.
        QVERIFY(press_key(Qt::Key_T));
        QCOMPARE(t.w->controls().coment->text(), u("ゾルヴィク『ナベルネ』"));
        QTRY_VERIFY(log.spoken().contains(u("ゾルヴィク『ナベルネ』")));

        // F10 opens the first menu, Alt and a letter its menu; the menu key and Shift+F10 the popup.
        QVERIFY(press_key(Qt::Key_F10));
        QCOMPARE(QApplication::activePopupWidget(), t.w->menus().file);
        QApplication::activePopupWidget()->close();
        t.w->menuBar()->setActiveAction(nullptr);
        QVERIFY(press_key(Qt::Key_M, Qt::AltModifier));
        QCOMPARE(QApplication::activePopupWidget(), t.w->menus().mode_menu);
        QApplication::activePopupWidget()->close();
        t.w->menuBar()->setActiveAction(nullptr);
        for (auto [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
                                      std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
            QVERIFY(press_key(key, modifiers));
            QCOMPARE(QApplication::activePopupWidget(), t.w->menus().sm);
            QVERIFY(press_key(Qt::Key_Escape));
            QVERIFY(!QApplication::activePopupWidget());
        }
        // The play modes are a choice of two.
        QVERIFY(t.w->menus().mode[0]->actionGroup() && t.w->menus().mode[0]->actionGroup()->isExclusive());
        QCOMPARE(t.w->menus().mode[0]->actionGroup(), t.w->menus().mode[1]->actionGroup());
    }

    void the_memory_panel_and_the_trash_panel_share_the_surface()
    {
        Table t;
        t.h.system.user = "yuki";
        t.h.system.host = "a-very-long-host-name-that-must-still-show.example.org";
        t.h.system.memory_status.memory_load = 42;
        t.h.system.memory_status.total_physical = 25769803776ull; // 24 GiB
        t.h.system.uptime = 36000000;                              // ten hours
        t.h.trash.size_bytes = 123456;
        t.h.trash.item_count = 7;
        QVERIFY(idle(t));
        CompanionPanel* panel = t.w->controls().gomibako;
        const CompanionPanel::Controls& c = panel->controls();
        t.w->menus().info_mg[0]->trigger();
        QVERIFY(panel->isVisible());
        QVERIFY(panel->clock_running());
        QCOMPARE(c.mgl->text(), u("メモリ情報"));
        QCOMPARE(c.user->text(), QString("yuki"));
        QCOMPARE(c.host->text(), t.h.system.host);
        QCOMPARE(c.memlabel[0]->text(), u("メモリ使用率"));
        QCOMPARE(c.memlabel[1]->text(), QString("42%"));
        QCOMPARE(c.memlabel[3]->text(), QString("25,769,803,776"));
        QCOMPARE(c.pasttime[1]->text(), QString("10:00:00.000"));
        // Big figures fit their cell.
        QVERIFY(QFontMetrics(c.memlabel[3]->font()).horizontalAdvance(c.memlabel[3]->text()) <= c.memlabel[3]->width());

        t.w->menus().info_mg[1]->trigger();
        QVERIFY(!panel->clock_running());
        QVERIFY(panel->isVisible());
        QVERIFY(!c.memlabel[0]->isVisible());
        QCOMPARE(c.mgl->text(), u("ゴミ箱情報"));
        QTRY_COMPARE(c.gomilabel[1]->text(), u("123456 バイト"));
        QCOMPARE(c.gomilabel[3]->text(), u("7 個"));
        QVERIFY(c.del->isVisible());

        QTest::mouseClick(c.return_b, Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        // A game closes an open panel.
        t.w->menus().info_mg[0]->trigger();
        t.w->begin();
        QVERIFY(!panel->isVisible());
        QVERIFY(!panel->clock_running());
    }

    void the_system_menu_asks_before_it_ends_the_session()
    {
        Table t;
        QVERIFY(idle(t));
        t.h.prompt.answer(platform::Prompt::kNo);
        t.w->menus().win_end->trigger();
        QCOMPARE(t.h.prompt.asked.last().text, u("本当によろしいですか？"));
        QCOMPARE(t.h.prompt.asked.last().title, u("シャットダウン"));
        QVERIFY(t.h.session.requested.isEmpty());
        t.h.prompt.answer(platform::Prompt::kYes);
        t.w->menus().reboot->trigger();
        QCOMPARE(t.h.prompt.asked.last().title, u("再起動"));
        QCOMPARE(t.h.session.requested, QList<platform::SessionControl::Action>({platform::SessionControl::Action::Reboot}));

        t.w->menus().explorer->trigger();
        t.w->menus().exec->trigger();
        t.w->menus().sys_propa->trigger();
        QCOMPARE(t.h.actions.calls, QStringList({"home", "run", "system"}));
        t.w->menus().open_wb->trigger();
        t.w->menus().www_home->trigger();
        QCOMPARE(t.h.starter.started, QStringList({"brovu_v1000", "zorvik_home"}));
    }

    void clearing_recent_documents_asks_and_leaves_a_valid_empty_list()
    {
        Table t;
        QVERIFY(idle(t));
        const QString path = platform::RecentDocuments::default_path();
        QVERIFY(path.startsWith(qEnvironmentVariable("XDG_DATA_HOME"))); // never the user's own list
        QDir().mkpath(QFileInfo(path).path());
        const QString target = QFileInfo(path).path() + "/kept.xbel";
        QFile::remove(path); // whatever an earlier run left
        QFile::remove(target);
        QVERIFY(platform::write_file_atomically(path, "<xbel version=\"1.0\"><bookmark href=\"file:///x\"/></xbel>"));
        t.h.prompt.answer(platform::Prompt::kNo);
        t.w->menus().clear_resent->trigger();
        QCOMPARE(t.h.prompt.asked.last().text, u("最近使ったファイルをクリアしますか？"));
        QCOMPARE(t.h.prompt.asked.last().title, u("確認します。"));
        QVERIFY(file_bytes(path).contains("bookmark"));
        t.h.prompt.answer(platform::Prompt::kYes);
        t.w->menus().clear_resent->trigger();
        QCOMPARE(file_bytes(path), platform::RecentDocuments::empty_xbel());
        const int asked = t.h.prompt.asked.size();

        // A list linked elsewhere (to switch it off, say) is left as it is, and the user is told.
        QVERIFY(platform::write_file_atomically(target, "<xbel version=\"1.0\"><bookmark href=\"file:///x\"/></xbel>"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(target, path));
        t.h.prompt.answer(platform::Prompt::kYes);
        t.w->menus().clear_resent->trigger();
        QCOMPARE(t.h.prompt.asked.size(), asked + 2);
        QCOMPARE(t.h.prompt.asked.last().text, u("最近使ったファイルの一覧がリンクか普通のファイルではないので､そのままにします｡\n") + path);
        QCOMPARE(t.h.prompt.asked.last().title, u("確認します。"));
        QVERIFY(QFileInfo(path).isSymLink());
        QVERIFY(file_bytes(target).contains("bookmark"));
    }

    void the_system_menu_pauses_a_game_the_mode_menu_does_not()
    {
        Table t;
        QVERIFY(idle(t));
        QVERIFY(t.start_with_f1());
        t.w->menus().mode_menu->popup(t.w->mapToGlobal(QPoint(40, 0)));
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
        t.w->menus().mode_menu->hide();
        t.w->menus().system->popup(t.w->mapToGlobal(QPoint(80, 0)));
        QCOMPARE(t.w->game_mode(), GameMode::Paused);
        t.w->menus().system->hide();
        // While paused the icons work: icon 0 starts a new game.
        QTest::mouseClick(t.w->controls().board, Qt::LeftButton, {}, hole_centre(0));
        QCOMPARE(t.w->game_mode(), GameMode::Playing);
        QVERIFY(t.w->engine().counting());
    }

    void the_plate_shows_the_machine()
    {
        Table t;
        t.h.system.user = "yuki";
        t.h.system.host = "snowfield";
        t.h.system.platform_version = {"Linux", 6, 1, 0};
        t.h.system.memory_status.total_physical = 8589934592ull;
        QVERIFY(t.ready());
        const auto& lines = t.w->controls().plate_lines;
        QCOMPARE(lines[0]->text(), QString("Linux 6.1 0"));
        QCOMPARE(lines[1]->text(), QString("yuki"));
        QCOMPARE(lines[2]->text(), QString("snowfield"));
        QCOMPARE(lines[3]->text(), QString("8,589,934,592 byte"));
        // Clear of the shaking title and the version label.
        const QRect title_reach(10, 188, 193 + 5, 33 + 5);
        for (QLabel* l : lines) {
            QVERIFY(!l->geometry().intersects(title_reach));
            QVERIFY(!l->geometry().intersects(t.w->controls().lbl_version->geometry()));
        }
    }
};

QTEST_MAIN(CompanionWindowTest)
#include "companion_window_test.moc"
