#include "game_window_harness.h"
#include "game/window/game_app.h"
#include "game/data/game_texts.h"
#include "game/window/logo_window.h"
#include "game/dialogs/zorvik_window.h"
#include "platform/files/atomic_file.h"
#include "platform/fake_clock.h"
#include "platform/sound/recording_sound.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/scripted_random.h"
#include <QDirIterator>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class PokanWindowTest : public QObject {
    Q_OBJECT

private slots:
    void splash_waits_one_second_then_shows_the_main_window()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.make_app();
        h.app->show_logo();
        QVERIFY(h.app->logo()->isVisible());
        QVERIFY(h.app->main_window() == nullptr);
        h.clock.advance(999);
        h.app->logo()->poll();
        QVERIFY(h.app->main_window() == nullptr);
        // A left click hides the splash early, but the main window still waits.
        QTest::mouseClick(h.app->logo(), Qt::LeftButton);
        QVERIFY(!h.app->logo()->isVisible());
        h.clock.advance(1);
        h.app->logo()->poll();
        QVERIFY(h.app->main_window() != nullptr);
        QVERIFY(h.app->main_window()->isVisible());
        QVERIFY(!h.app->logo()->isVisible());
        QCOMPARE(h.prompt.asked.size(), 0);
    }

    // The splash is a plate with rounded corners: what lies outside it is not shown, so
    // the credit line in its lower left corner must stand wholly inside.
    void the_splash_credit_stands_inside_the_rounded_plate()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.make_app();
        h.app->show_logo();
        const LogoWindow* logo = h.app->logo();
        QVERIFY(logo && !logo->mask().isEmpty());
        const QImage& picture = logo->surface().image();
        int ink_inside = 0;
        for (int y = 0; y < LogoWindow::kHeight; ++y) {
            for (int x = 0; x < LogoWindow::kWidth / 2; ++x) { // the right part is the blue band
                if (qGray(picture.pixel(x, y)) >= 128)
                    continue;
                QVERIFY2(logo->mask().contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("dark pixel outside the plate at %1, %2").arg(x).arg(y)));
                if (y >= LogoWindow::kHeight / 2)
                    ++ink_inside;
            }
        }
        QVERIFY(ink_inside > 100); // the credit is there
    }

    void first_run_creates_the_data_files_and_lays_out_the_window()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        QVERIFY(w);
        QCOMPARE(file_bytes(h.paths.app_dir + "config.csv"), QByteArray::fromHex("64002c01140000"));
        QCOMPARE(file_bytes(h.paths.app_dir + "score.ini").size(), 589);
        QCOMPARE(w->windowTitle(), QString::fromUtf8("ミポぽかん｡Ver: 1.0.84"));
        QCOMPARE(w->controls().form->size(), QSize(210, 360));
        QCOMPARE(w->controls().board->geometry(), QRect(30, 112, 150, 150));
        QCOMPARE(w->controls().gauge->geometry(), QRect(8, 88, 177, 9));
        QCOMPARE(w->controls().coment->geometry(), QRect(1, 280, 210, 26));
        QCOMPARE(w->controls().data[0]->geometry(), QRect(10, 10, 90, 20));
        QCOMPARE(w->controls().data[5]->geometry(), QRect(110, 60, 90, 20));
        QCOMPARE(w->controls().data[1]->text(), QString::fromUtf8("残り時間"));
        QCOMPARE(w->controls().lbl_version->text(), QString("Release Version : 1.0.84"));
        QCOMPARE(w->controls().zorvik_label->text(), QString("zorvik/nabelune"));
        QCOMPARE(w->controls().zorvik_label->y(), 126);
        QVERIFY(w->title_running());
        QVERIFY(!w->controls().board->isEnabled());
        // Background: blue at the top, cyan from row 255 down.
        QCOMPARE(w->controls().form->surface().pixel(5, 0), qRgb(0, 0, 255));
        QCOMPARE(w->controls().form->surface().pixel(5, 100), qRgb(0, 100, 255));
        QCOMPARE(w->controls().form->surface().pixel(5, 300), qRgb(0, 255, 255));
        // Sound set-up: nine hit buffers and three more.
        QCOMPARE(h.sound.buffers_made, 12);
    }

    void menus_carry_their_captions()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanMenus& m = h.app->main_window()->menus();
        QStringList bar;
        for (QAction* a : h.app->main_window()->menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({QString::fromUtf8("ファイル"), QString::fromUtf8("モード"),
                                   QString::fromUtf8("システム"), QString::fromUtf8("情報")}));
        QCOMPARE(m.start->text(), QString::fromUtf8("開始"));
        QCOMPARE(m.start->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(m.change_pic->text(), QString::fromUtf8("絵柄の変更"));
        QCOMPARE(m.exit->text(), QString::fromUtf8("終了"));
        QVERIFY(m.exit->isEnabled());
        QVERIFY(!m.m_stop->isVisible());
        QCOMPARE(m.clear_resent->text(), QString::fromUtf8("最近使ったファイルをクリアする。"));
        QCOMPARE(m.explorer->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        QCOMPARE(m.sm_cancel->text(), QString("cancel"));
        QCOMPARE(m.sm3_zorvik->text(), QString("zorvik"));
    }

    void title_runs_to_its_end_and_draws_the_empty_holes()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        // the test drives the ticks, with no event loop to run the timer
        for (int i = 0; i < 125; ++i)
            w->title_tick();
        QVERIFY(!h.sound.log.contains("simple open_mpkx.wav"));
        QCOMPARE(w->controls().zorviklogo->y(), 330); // slid down 33 times
        w->title_tick();
        QCOMPARE(h.sound.log, QStringList({"simple open_mpkx.wav"}));
        QVERIFY(!w->controls().zorviklogo->isVisible());
        QVERIFY(w->controls().timer5->isActive());
        QVERIFY(w->controls().board->isEnabled());
        // The hole picture lies under the board at each of the nine places.
        const platform::Surface& hole = w->controls().sprites->pic[0];
        const QPoint centre(25, 35);
        const QRgb hole_pixel = hole.pixel(centre.x(), centre.y());
        QVERIFY(hole_pixel != w->controls().sprites->key(0));
        for (int row = 0; row < 3; ++row)
            for (int x : {30, 80, 130})
                QCOMPARE(w->controls().form->surface().pixel(x + centre.x(), 112 + 50 * row + centre.y()), hole_pixel);
        QCOMPARE(w->controls().board->surface().pixel(25, 35), hole_pixel);
        // Where the hole picture is transparent, the gradient stays.
        QCOMPARE(w->controls().form->surface().pixel(30, 112), qRgb(0, 112, 255));
    }

    void a_click_on_the_title_panel_skips_it()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        w->title_tick();
        QTest::mouseClick(w->controls().zorviklogo, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(h.sound.log, QStringList({"simple open_mpkx.wav"}));
        QVERIFY(!w->title_running());
        QVERIFY(!w->controls().zorviklogo->isVisible());
        QVERIFY(w->controls().mpkx->isVisible());
        QVERIFY(w->controls().timer5->isActive());
    }

    void title_text_shakes_within_its_box()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        QSet<int> lefts, tops;
        for (int i = 0; i < 30; ++i) {
            w->jiggle_title();
            const QRect gtl = w->controls().mpkx->title_geometry();
            QVERIFY(gtl.x() >= 10 && gtl.x() <= 15);
            QVERIFY(gtl.y() >= 188 && gtl.y() <= 193);
            QCOMPARE(gtl.size(), QSize(193, 33));
            lefts << gtl.x();
            tops << gtl.y();
        }
        QVERIFY(lefts.size() > 1);
        QVERIFY(tops.size() > 1);
    }

    void close_question_no_keeps_everything_yes_closes()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        w->open_end();
        QSignalSpy finished(h.app.get(), &GameApp::finished);
        h.prompt.answer(platform::Prompt::kNo);
        w->menus().exit->trigger();
        QCOMPARE(h.prompt.asked.size(), 1);
        QCOMPARE(h.prompt.asked[0].text, QString::fromUtf8("帰っちゃうの？うきゅ～う"));
        QCOMPARE(h.prompt.asked[0].title, QString("mpkx"));
        QCOMPARE(h.prompt.asked[0].buttons, platform::Prompt::Buttons::YesNo);
        QVERIFY(!w->controls().zorviklogo->isVisible());
        QVERIFY(w->isVisible());
        QVERIFY(w->controls().mpkx->isVisible());
        QCOMPARE(finished.count(), 0);

        h.prompt.answer(platform::Prompt::kYes);
        w->menus().sm_exit->trigger();
        QCOMPARE(h.prompt.asked.size(), 2);
        QVERIFY(!w->isVisible());
        QCOMPARE(finished.count(), 1);
    }

    void close_button_ends_without_a_question()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        QSignalSpy finished(h.app.get(), &GameApp::finished);
        h.app->main_window()->close();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(h.prompt.asked.size(), 0);
        QVERIFY(!h.app->main_window()->controls().timer5->isActive());
    }

    void board_click_shows_the_hole_in_the_debug_caption()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        w->open_end();
        QTest::mouseClick(w->controls().board, Qt::LeftButton, {}, QPoint(12, 84));
        QCOMPARE(w->controls().mousec->text(), QString("click x y index12 84 3"));
        QTest::mouseClick(w->controls().board, Qt::LeftButton, {}, QPoint(100, 60));
        QCOMPARE(w->controls().mousec->text(), QString("click x y index100 60 -1"));
    }

    void missing_bitmap_is_named_and_the_start_fails()
    {
        for (const char* name : {"mipo32.bmp", "みぽぽかん2000.bmp", "thwlogo.jpg", "ono2.cur"}) {
            Harness h;
            QVERIFY(h.prepare());
            QVERIFY(platform::write_file_atomically(h.paths.app_dir + "config.csv", QByteArray::fromHex("64002c01140001")));
            QVERIFY(QFile::remove(h.paths.bmp_dir + QString::fromUtf8(name)));
            h.make_app();
            QSignalSpy failed(h.app.get(), &GameApp::failed);
            h.app->show_logo();
            h.clock.advance(1000);
            if (h.app->logo())
                h.app->logo()->poll();
            QCOMPARE(failed.count(), 1);
            QCOMPARE(failed[0][0].toString(), h.paths.bmp_dir + QString::fromUtf8(name));
            QCOMPARE(h.prompt.asked.size(), 1);
            QVERIFY(h.prompt.asked[0].text.contains(QString::fromUtf8(name)));
        }
    }

    void missing_comment_file_is_named_and_the_start_fails()
    {
        Harness h;
        QVERIFY(h.prepare());
        QVERIFY(QFile::remove(h.paths.app_dir + "hitc.csv"));
        h.make_app();
        QSignalSpy failed(h.app.get(), &GameApp::failed);
        h.start();
        QCOMPARE(failed.count(), 1);
        QVERIFY(h.prompt.asked[0].text.contains("hitc.csv"));
    }

    void unwritable_data_files_are_reported_once_and_the_game_goes_on()
    {
        Harness h;
        QVERIFY(h.prepare());
        // Folders where the files should be: nothing can be written there, even by root.
        QVERIFY(QDir().mkpath(h.paths.app_dir + "score.ini"));
        QVERIFY(QDir().mkpath(h.paths.app_dir + "config.csv"));
        h.make_app();
        QSignalSpy failed(h.app.get(), &GameApp::failed);
        h.start();
        QCOMPARE(failed.count(), 0);
        QCOMPARE(h.prompt.asked.size(), 1);
        QVERIFY(h.prompt.asked[0].text.contains("score.ini"));
        QVERIFY(h.prompt.asked[0].text.contains("config.csv"));
        QVERIFY(h.app->main_window()->isVisible());
        QCOMPARE(h.app->main_window()->data().settings, GameSettings{});
    }

    void missing_sounds_are_silent_not_fatal()
    {
        Harness h;
        QVERIFY(h.prepare());
        QDir(h.paths.wav_dir).removeRecursively();
        auto real_sound = platform::make_sdl_sound_system();
        GameApp app(GameServices{h.clock, h.random, *real_sound, h.prompt, h.desktop}, h.paths, PokanWindow::Options{});
        QSignalSpy failed(&app, &GameApp::failed);
        app.show_logo();
        h.clock.advance(1000);
        app.logo()->poll();
        QCOMPARE(failed.count(), 0);
        QVERIFY(app.main_window()->isVisible());
        app.main_window()->open_end();
        app.main_window()->sounds().music_buffer().play();
        QVERIFY(!app.main_window()->sounds().music_buffer().is_playing());
    }

    // The window stands where it stood when the splash shows again, though it has a frame now
    // (the offscreen platform gives shown windows one) and had none when it was first centred.
    void splash_again_leaves_the_window_where_it_is()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect placed = w->frameGeometry();
        h.app->show_logo();
        h.clock.advance(1000);
        h.app->logo()->poll();
        QVERIFY(w->isVisible());
        QCOMPARE(w->frameGeometry(), placed);
    }

    // The maker box brings the splash back; when it goes, the box keeps the focus the user gave it.
    void the_maker_box_keeps_the_focus_when_the_splash_goes()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->menus().about_zorvik->trigger();
        QWidget* box = w->dialogs().zorvik;
        QVERIFY(box);
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box));
        h.clock.advance(1000);
        h.app->logo()->poll();
        QVERIFY(w->isVisible());
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), box);
    }

    // It cannot change size, so it offers no maximise; close and minimise stay.
    void the_fixed_size_window_offers_close_and_minimise_only()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->minimumSize(), w->size());
        QCOMPARE(w->maximumSize(), w->size());
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!w->windowHandle()->flags().testFlag(Qt::WindowMaximizeButtonHint));
        // Going on top and back keeps it so.
        w->always_top();
        w->not_top();
        QVERIFY(!w->windowHandle()->flags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(w->windowHandle()->flags().testFlag(Qt::WindowCloseButtonHint));
    }

    void splash_again_reloads_the_files_and_restores_the_size()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        QVERIFY(platform::write_file_atomically(h.paths.app_dir + "config.csv", QByteArray::fromHex("c8009001320002")));
        w->data().score_table[0].score = 4242;
        h.app->show_logo();
        QVERIFY(h.app->logo()->isVisible());
        h.clock.advance(1000);
        h.app->logo()->poll();
        QCOMPARE(w->data().settings, (GameSettings{200, 400, 50, 2}));
        QCOMPARE(w->data().score_table[0].score, int16_t(0));
        QCOMPARE(w->controls().form->size(), QSize(210, 360));
        QVERIFY(!h.app->logo()->isVisible());
        QVERIFY(w->isVisible());
    }

    void splash_again_keeps_the_empty_holes_under_the_board()
    {
        Harness h;
        QVERIFY(h.prepare());
        h.start();
        PokanWindow* w = h.app->main_window();
        w->open_end();
        const QRgb hole_pixel = w->controls().sprites->pic[0].pixel(25, 35);
        QCOMPARE(w->controls().form->surface().pixel(130 + 25, 212 + 35), hole_pixel);
        h.app->show_logo();
        h.clock.advance(1000);
        h.app->logo()->poll();
        QCOMPARE(w->controls().form->surface().pixel(130 + 25, 212 + 35), hole_pixel);
        QCOMPARE(w->controls().form->surface().pixel(5, 100), qRgb(0, 100, 255));
    }
};

QTEST_MAIN(PokanWindowTest)
#include "pokan_window_test.moc"
