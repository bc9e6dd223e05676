// The settings and equipment dialogs opened from the File menu and used as a player does.
#include "dialog_test_helpers.h"
#include "game/dialogs/dialog_texts.h"
#include "game/dialogs/settings_rules.h"
#include "game/dialogs/setting_dialog.h"
#include "game/dialogs/soubi_dialog.h"
#include "game/data/score_file.h"
#include "platform/ui/cursor_file.h"
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

class SettingsWindowTest : public QObject {
    Q_OBJECT

    // The dialog once it is up and active, else nullptr.
    [[nodiscard]] static SettingDialog* open_settings(Table& t)
    {
        t.w->menus().m_set->trigger();
        SettingDialog* d = t.w->dialogs().setting;
        return d && activate(d) ? d : nullptr;
    }
    [[nodiscard]] static SoubiDialog* open_soubi(Table& t)
    {
        t.w->menus().m_soubi->trigger();
        SoubiDialog* d = t.w->dialogs().soubi;
        return d && activate(d) ? d : nullptr;
    }
    static QString config(Table& t) { return t.h.paths.app_dir + "config.csv"; }

private slots:
    void values_are_checked_rounded_and_stored()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(t.w->menus().m_set->isEnabled());
        SettingDialog* d = open_settings(t);
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->windowTitle(), u("ミポぽかん｡設定"));
        const auto& c = d->controls();
        QCOMPARE(c.set_mipo->text(), "100");
        QCOMPARE(c.set_miss->text(), "300");
        QCOMPARE(c.yukisyutu->text(), "20");
        const QByteArray before = file_bytes(config(t));

        // 0.3 would be stored as 0: refused, nothing stored, the dialog stays.
        type_over(c.set_mipo, "0.3");
        click(c.ok_button);
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QCOMPARE(t.h.prompt.asked.last().text, settings_rules::kMipoMessage);
        QCOMPARE(t.h.prompt.asked.last().title, u("ミポぽかん｡設定"));
        QVERIFY(d->isVisible());
        QCOMPARE(file_bytes(config(t)), before);
        QCOMPARE(t.w->data().settings.mipo_interval, int16_t(100));

        // Text that is no number gets its own field's message.
        type_over(c.set_mipo, "150");
        type_over(c.set_miss, "abc");
        click(c.ok_button);
        QCOMPARE(t.h.prompt.asked.last().text, settings_rules::kMissMessage);

        // A fraction past the top is refused, though it would round into range; the
        // messages keep their order.
        type_over(c.set_miss, "32767.4");
        click(c.ok_button);
        QCOMPARE(t.h.prompt.asked.size(), 3);
        QCOMPARE(t.h.prompt.asked.last().text, settings_rules::kMissMessage);
        type_over(c.set_miss, "250.5");
        type_over(c.yukisyutu, "100.4");
        click(c.ok_button);
        QCOMPARE(t.h.prompt.asked.last().text, settings_rules::kRateMessage);
        QCOMPARE(file_bytes(config(t)), before);
        QCOMPARE(t.w->data().settings, (GameSettings{100, 300, 20, 0}));

        // Return presses OK: 250.5 is stored as 250 (halves to even), and the game has them at once.
        type_over(c.set_miss, "250.5");
        type_over(c.yukisyutu, "100");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!d->isVisible());
        QCOMPARE(file_bytes(config(t)), QByteArray::fromHex("9600fa00640000"));
        QCOMPARE(t.w->data().settings, (GameSettings{150, 250, 100, 0}));

        // The boxes keep what was typed; Default then Escape stores nothing but is kept.
        QCOMPARE(open_settings(t), d);
        QCOMPARE(c.set_miss->text(), "250.5");
        click(c.default_button);
        QCOMPARE(c.set_mipo->text(), "100");
        QCOMPARE(c.set_miss->text(), "300");
        QTest::mouseClick(c.set_mipo, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QCOMPARE(t.w->data().settings.mipo_interval, int16_t(150));
        QCOMPARE(open_settings(t), d);
        QCOMPARE(c.set_mipo->text(), "100");

        // OK on the values in use leaves the file alone.
        QVERIFY(QFile::remove(config(t)));
        type_over(c.set_mipo, "150");
        type_over(c.set_miss, "250");
        click(c.ok_button);
        QVERIFY(!d->isVisible());
        QVERIFY(!QFile::exists(config(t)));
        QCOMPARE(t.h.prompt.asked.size(), 4);
    }

    void a_settings_file_that_cannot_be_written_changes_nothing_and_is_named()
    {
        // In the program folder, or in the user's own folder when that one is in use.
        for (const bool own_folder : {false, true}) {
            QTemporaryDir user;
            Table t;
            if (own_folder)
                t.h.paths.data_dir = user.path() + "/";
            QVERIFY(t.ready());
            const QString written = t.h.paths.data_dir + "config.csv";
            SettingDialog* d = open_settings(t);
            QVERIFY(d);
            QVERIFY(block_file(written));
            type_over(d->controls().set_mipo, "200");
            click(d->controls().ok_button);
            QCOMPARE(t.h.prompt.asked.size(), 1);
            QVERIFY2(t.h.prompt.asked[0].text.contains(written), qPrintable(t.h.prompt.asked[0].text));
            QVERIFY(d->isVisible());
            QCOMPARE(t.w->data().settings.mipo_interval, int16_t(100));
            click(d->controls().cancel_button);

            SoubiDialog* s = open_soubi(t);
            QVERIFY(s);
            click(s->controls().pic[2]);
            click(s->controls().soubi_ok);
            QCOMPARE(t.h.prompt.asked.size(), 2);
            QVERIFY2(t.h.prompt.asked[1].text.contains(written), qPrintable(t.h.prompt.asked[1].text));
            QCOMPARE(t.w->data().settings.buki_no, uint8_t(0));
        }
    }

    void initiarize_rewrites_the_table_after_asking()
    {
        Table t;
        QVERIFY(t.ready());
        const QString score = t.h.paths.app_dir + "score.ini";
        ScoreTable& table = t.w->data().score_table;
        table[0].score = 5;
        SettingDialog* d = open_settings(t);
        QVERIFY(d);

        click(d->controls().initiarize); // unscripted: Cancel
        QCOMPARE(t.h.prompt.asked.last().title, "mp.kx score initiarize");
        QCOMPARE(t.h.prompt.asked.last().text, u("スコアの初期化をしますか？"));
        QCOMPARE(t.h.prompt.asked.last().buttons, platform::Prompt::Buttons::OkCancel);
        QCOMPARE(table[0].score, int16_t(5));

        // A table that cannot be written: one message naming it, the table as it was.
        const QByteArray file_before = file_bytes(score);
        QVERIFY(block_file(score));
        t.h.prompt.answer(platform::Prompt::kOk);
        click(d->controls().initiarize);
        QVERIFY(t.h.prompt.asked.last().text.contains(score));
        QCOMPARE(table[0].score, int16_t(5));
        QVERIFY(QDir(score).removeRecursively());

        t.h.prompt.answer(platform::Prompt::kOk);
        const int asked = t.h.prompt.asked.size();
        click(d->controls().initiarize);
        QCOMPARE(t.h.prompt.asked.size(), asked + 1); // no message after the question
        QVERIFY(d->isVisible());
        ScoreTable expected = table;
        settings_rules::fill_initial_table(expected);
        QCOMPARE(table, expected);
        QCOMPARE(file_bytes(score), score_file::serialize(expected));
        QVERIFY(file_before != file_bytes(score));

        t.w->menus().scorecall->trigger();
        QCOMPARE(t.h.prompt.asked.last().text.count("999"), 10);
        QCOMPARE(t.h.prompt.asked.last().text.count(u("ミポ")), 10);
    }

    void equipping_changes_the_cursor_over_the_board()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(t.w->menus().m_soubi->isEnabled());
        SoubiDialog* d = open_soubi(t);
        QVERIFY(d && d->isVisible());
        const QRect main_frame = t.w->frameGeometry();
        QCOMPARE(d->pos(), QPoint(main_frame.x() + main_frame.width(), main_frame.y()));
        const auto& c = d->controls();
        QVERIFY(c.sou_lab->text().endsWith(u("現在は0番です。")));
        QCOMPARE(c.choice_no->text(), u("魚やアイスキャンディーがいいなぁ♪"));
        QCOMPARE(c.pic[2]->toolTip(), u("あるてまうえぽん　強さ+255(?)"));

        click(c.pic[2]);
        QCOMPARE(c.choice_no->text(), u("2を装備しますか？\n装備する場合は｢装備｣のボタンをクリックして下さい。"));
        click(c.soubi_ok);
        QVERIFY(d->isVisible());
        QCOMPARE(t.w->data().settings.buki_no, uint8_t(2));
        QCOMPARE(file_bytes(config(t)), QByteArray::fromHex("64002c01140002"));

        // Cancel after another icon keeps the weapon.
        click(c.pic[1]);
        click(c.cancel_button);
        QVERIFY(!d->isVisible());
        QCOMPARE(t.w->data().settings.buki_no, uint8_t(2));

        click(c.initiarize);
        QCOMPARE(t.h.prompt.asked.last().title, u("武器屋"));
        QCOMPARE(t.h.prompt.asked.last().text, u("意味ナシ"));
        QCOMPARE(t.w->data().settings.buki_no, uint8_t(2));

        QVERIFY(activate(t.w)); // back to the game window, which takes F1
        QVERIFY(t.start_with_f1());
        const auto raised = platform::load_cursor_file(t.h.paths.bmp_dir + "arutema1.cur");
        const auto striking = platform::load_cursor_file(t.h.paths.bmp_dir + "arutema2.cur");
        QVERIFY(raised && striking);
        QWidget* board = t.w->controls().board;
        QCOMPARE(board->cursor().pixmap().toImage(), raised->pixmap().toImage());
        QCOMPARE(board->cursor().hotSpot(), raised->hotSpot());
        QTest::mousePress(board, Qt::LeftButton, {}, hole_centre(0));
        QCOMPARE(board->cursor().pixmap().toImage(), striking->pixmap().toImage());
        QTest::mouseRelease(board, Qt::LeftButton, {}, hole_centre(0));

        // The icon clicked before Cancel is still the choice: OK equips it and hides.
        QCOMPARE(open_soubi(t), d);
        click(c.ok_button);
        QVERIFY(!d->isVisible());
        QCOMPARE(t.w->data().settings.buki_no, uint8_t(1));
        const auto axe = platform::load_cursor_file(t.h.paths.bmp_dir + "ono1.cur");
        QCOMPARE(board->cursor().pixmap().toImage(), axe->pixmap().toImage());
    }

    void a_weapon_whose_cursor_is_missing_is_not_equipped()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(QFile::remove(t.h.paths.bmp_dir + "ono2.cur"));
        SoubiDialog* d = open_soubi(t);
        QVERIFY(d);
        const QByteArray before = file_bytes(config(t));
        click(d->controls().pic[1]);
        click(d->controls().ok_button);
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QVERIFY(t.h.prompt.asked[0].text.contains(t.h.paths.bmp_dir + "ono2.cur"));
        QVERIFY(d->isVisible());
        QCOMPARE(t.w->data().settings.buki_no, uint8_t(0));
        QCOMPARE(file_bytes(config(t)), before);

        // A settings file that cannot be written: the weapon and its cursors stay.
        click(d->controls().pic[2]);
        QVERIFY(block_file(config(t)));
        click(d->controls().soubi_ok);
        QVERIFY(t.h.prompt.asked.last().text.contains(config(t)));
        QCOMPARE(t.w->data().settings.buki_no, uint8_t(0));
    }

    void the_weapon_lasts_into_the_next_run()
    {
        Table t;
        QVERIFY(t.ready());
        // OK without an icon clicked equips weapon 0 whatever was stored.
        QVERIFY(write_bytes(config(t), QByteArray::fromHex("64002c01140001")));
        GameApp second(t.h.services(), t.h.paths, PokanWindow::Options{});
        second.show_logo();
        t.h.clock.advance(1000);
        second.logo()->poll();
        PokanWindow* w = second.main_window();
        QVERIFY(w);
        QCOMPARE(w->data().settings.buki_no, uint8_t(1));
        w->menus().m_soubi->trigger();
        SoubiDialog* d = w->dialogs().soubi;
        QVERIFY(d->controls().sou_lab->text().endsWith(u("現在は1番です。")));
        click(d->controls().ok_button);
        QCOMPARE(w->data().settings.buki_no, uint8_t(0));
        QCOMPARE(file_bytes(config(t)), QByteArray::fromHex("64002c01140000"));
        w->close();

        // A number of no weapon is kept as stored, with the standard cursor, and the
        // file stays as it is.
        const QByteArray unknown = QByteArray::fromHex("64002c01140005");
        QVERIFY(write_bytes(config(t), unknown));
        GameApp third(t.h.services(), t.h.paths, PokanWindow::Options{});
        third.show_logo();
        t.h.clock.advance(1000);
        third.logo()->poll();
        w = third.main_window();
        QVERIFY(w);
        QCOMPARE(w->data().settings.buki_no, uint8_t(5));
        QCOMPARE(file_bytes(config(t)), unknown);
        w->open_end();
        w->menus().start->trigger();
        QCOMPARE(w->game_mode(), GameMode::Playing);
        QCOMPARE(w->controls().board->cursor().shape(), Qt::ArrowCursor);
        w->menus().m_soubi->trigger();
        QVERIFY(w->dialogs().soubi->controls().sou_lab->text().endsWith(u("現在は5番です。")));
    }

    void the_dialogs_move_when_their_face_is_dragged()
    {
        Table t;
        QVERIFY(t.ready());
        SettingDialog* d = open_settings(t);
        QVERIFY(d);
        const QPoint start = d->pos();
        QWidget* label = d->controls().set_lab;
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent move(QEvent::MouseMove, QPointF(45, 25), label->mapToGlobal(QPointF(45, 25)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label, &move);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(45, 25));
        QCOMPARE(d->pos(), start + QPoint(40, 20));
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
