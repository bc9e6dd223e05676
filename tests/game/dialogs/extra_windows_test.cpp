// The skin chooser, the help pages, the about and maker boxes, the update history
// and the screen saver, opened from their menu entries and used as a player does.
#include "dialog_test_helpers.h"
#include "tests/platform/ui/accessible_walk.h"
#include "game/dialogs/about_window.h"
#include "game/dialogs/dialog_texts.h"
#include "game/dialogs/help_window.h"
#include "game/dialogs/history_file.h"
#include "game/dialogs/history_window.h"
#include "game/dialogs/screen_server_window.h"
#include "game/dialogs/selectbit_window.h"
#include "game/dialogs/setting_dialog.h"
#include "game/dialogs/soubi_dialog.h"
#include "game/dialogs/zorvik_window.h"
#include "platform/desktop/fake_drive_list.h"
#include "platform/desktop/fake_system_info_tool.h"
#include "platform/ui/surface_widget.h"
#include "platform/text/text_codec.h"
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {

// The shipped snow skin copied into `to` (Windows-style upper-case names).
bool copy_snow_skin(const QString& to, const QString& leave_out = {})
{
    const QDir from(qEnvironmentVariable("SUITE_DIR") + "/skin/snow");
    QDir().mkpath(to);
    int copied = 0;
    for (const QString& name : from.entryList(QDir::Files))
        if (name != leave_out && QFile::copy(from.filePath(name), to + "/" + name))
            ++copied;
    return copied == (leave_out.isEmpty() ? 10 : 9);
}

QImage picture(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

QImage shown(QLabel* label) { return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }

QImage preview(const QString& path) { return SelectbitWindow::preview_of(picture(path)); }

} // namespace

class ExtraWindowsTest : public QObject {
    Q_OBJECT

    platform::FakeDriveList drives;
    platform::FakeSystemInfoTool tool;
    QStringList started;

    void use_fakes(Table& t)
    {
        GameDialogs::Services& s = t.w->dialogs().services;
        s.drives = &drives;
        s.info_tool = &tool;
        s.start_program = [this](const QString& program, const QStringList&) {
            started << program;
            return true;
        };
    }

private slots:
    void init()
    {
        tool.tool.reset();
        started.clear();
    }

    void a_skin_is_chosen_from_its_folder_and_replaces_the_sprites()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        const QString root = t.h.dir.path();
        const QString snow = root + "/skin/snow";
        QVERIFY(copy_snow_skin(snow));
        drives.places = {root, root + "/no-medium"};

        t.w->menus().change_pic->trigger();
        SelectbitWindow* s = t.w->dialogs().selectbit;
        QVERIFY(s && s->isVisible());
        const auto& c = s->controls();
        QCOMPARE(s->windowTitle(), t.h.paths.app_dir);
        QCOMPARE(c.info->text(), dialog_texts::kChooseFolder);
        QVERIFY(s->skin_found()); // the program's own pictures are a skin
        QCOMPARE(shown(c.pic), preview(t.h.paths.bmp_dir + "mipo33.bmp"));

        // Down through the folder list: the program folder, skin, snow.
        QVERIFY(open_folder(c.dir, root));
        QVERIFY(open_folder(c.dir, root + "/skin"));
        QCOMPARE(c.info->text(), dialog_texts::kSkinNotFound);
        QVERIFY(open_folder(c.dir, snow));
        QCOMPARE(s->windowTitle(), "FileShow -> " + snow);
        QCOMPARE(c.info->text(), dialog_texts::kSkinFound);
        QCOMPARE(shown(c.pic), preview(snow + "/MIPO33.BMP"));
        QCOMPARE(shown(c.picback), preview(snow + "/HAZURE34.BMP"));
        QCOMPARE(shown(c.pic).pixel(0, 0), qRgb(255, 255, 255));
        for (int row = 0; row < c.dir->count(); ++row) // folders only
            QVERIFY(QFileInfo(c.dir->item(row)->data(Qt::UserRole).toString()).isDir());

        click(c.command1);
        const SpriteSet& sprites = *t.w->controls().sprites;
        QCOMPARE(sprites.pic[0].image(), picture(snow + "/ANA3.BMP"));
        QCOMPARE(sprites.pic[3].image(), picture(snow + "/MIPO33.BMP"));
        QCOMPARE(sprites.pic[11].image(), picture(snow + "/HAZURE_M.BMP"));
        QVERIFY(s->isVisible());

        // The empty holes under the board are the new ones, so a game restores them.
        const QImage hole = picture(snow + "/ANA3.BMP");
        const QImage old_hole = picture(t.h.paths.bmp_dir + "ana3.bmp");
        QPoint in_hole(-1, -1);
        for (int y = 0; y < 50 && in_hole.x() < 0; ++y)
            for (int x = 0; x < 50 && in_hole.x() < 0; ++x)
                if (hole.pixel(x, y) != hole.pixel(0, 0) && old_hole.pixel(x, y) == old_hole.pixel(0, 0))
                    in_hole = QPoint(x, y); // snow on the rim, where the old hole let the board show
        QVERIFY(in_hole.x() >= 0);
        const QPoint at_form = PokanWindow::kBoardPos + QPoint(50, 50) + in_hole;
        QCOMPARE(t.w->controls().form->surface().pixel(at_form.x(), at_form.y()), hole.pixel(in_hole));
        t.w->menus().sm_start->trigger(); // a game from the popup: no title to end first
        t.h.clock.advance(1500);
        QTRY_VERIFY(t.w->engine().running());
        QCOMPARE(t.w->controls().board->surface().pixel(50 + in_hole.x(), 50 + in_hole.y()), hole.pixel(in_hole));
    }

    void an_incomplete_skin_or_a_folder_without_one_changes_nothing()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        const QString root = t.h.dir.path();
        QVERIFY(copy_snow_skin(root + "/skin/broken", "HAZURE_M.BMP"));
        QVERIFY(QDir().mkpath(root + "/skin/empty"));
        drives.places = {root};
        t.w->menus().change_pic->trigger();
        SelectbitWindow* s = t.w->dialogs().selectbit;
        const auto& c = s->controls();
        const QImage seal_before = t.w->controls().sprites->pic[3].image();

        QVERIFY(open_folder(c.dir, root));
        QVERIFY(open_folder(c.dir, root + "/skin"));
        QVERIFY(open_folder(c.dir, root + "/skin/broken"));
        QCOMPARE(c.info->text(), dialog_texts::kSkinFound);
        click(c.command1);
        QCOMPARE(c.info->text(), dialog_texts::skin_incomplete("hazure_m.bmp"));
        QCOMPARE(t.w->controls().sprites->pic[3].image(), seal_before);

        // Back up one folder through the list, then into a folder with no skin.
        QVERIFY(open_folder(c.dir, root + "/skin"));
        QVERIFY(open_folder(c.dir, root + "/skin/empty"));
        QCOMPARE(c.info->text(), dialog_texts::kSkinNotFound);
        click(c.command1);
        QCOMPARE(c.info->text(), dialog_texts::kChooseFolder);
        QCOMPARE(t.w->controls().sprites->pic[3].image(), seal_before);
        QVERIFY(t.h.prompt.asked.isEmpty());
    }

    void a_drive_that_cannot_be_read_is_reported_and_left()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        const QString root = t.h.dir.path();
        drives.places = {root, root + "/no-medium"};
        t.w->menus().change_pic->trigger();
        SelectbitWindow* s = t.w->dialogs().selectbit;
        QComboBox* drive = s->controls().drive;
        QCOMPARE(drive->currentIndex(), 0);
        drive->setFocus();
        QTest::keyClick(drive, Qt::Key_Down);
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QCOMPARE(t.h.prompt.asked[0].title, "FileShow");
        QCOMPARE(t.h.prompt.asked[0].text, QString::fromLocal8Bit(strerror(ENOENT)));
        QCOMPARE(drive->currentIndex(), 0);
        QCOMPARE(s->dir_path(), root + "/bmp");

        // Closing unloads the chooser; it comes back at the program's own pictures.
        QVERIFY(open_folder(s->controls().dir, root));
        s->close();
        QTRY_VERIFY(!t.w->dialogs().selectbit);
        t.w->menus().change_pic->trigger();
        QCOMPARE(t.w->dialogs().selectbit->dir_path(), root + "/bmp");
        QCOMPARE(t.w->dialogs().selectbit->windowTitle(), t.h.paths.app_dir);
    }

    void help_pages_wrap_and_a_right_click_hides_the_window()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(t.w->menus().m_help->isEnabled());
        t.w->menus().m_help->trigger();
        HelpWindow* h = t.w->dialogs().help;
        QVERIFY(h && h->isVisible());
        const auto& c = h->controls();
        QCOMPARE(h->windowTitle(), "mpkx -> help");
        QCOMPARE(c.page->text(), "0 / 8");
        QCOMPARE(c.help_text->text(), u("ミポぽかん｡2000ヘルプ\n右の三角形で次のページ,前のページへ移動します｡"));
        QVERIFY(t.h.prompt.asked.isEmpty());

        click(c.back_help);
        QCOMPARE(c.page->text(), "8 / 8");
        QVERIFY(c.help_text->text().startsWith(u("★キーボード")));
        click(c.next_help);
        QCOMPARE(c.page->text(), "0 / 8");
        click(c.next_help);
        QCOMPARE(c.page->text(), "1 / 8");

        // The seal and the struck yeti, keyed onto white.
        const SpriteSet& sprites = *t.w->controls().sprites;
        QCOMPARE(c.sample[0]->surface().pixel(25, 25), sprites.pic[3].pixel(25, 25));
        QCOMPARE(c.sample[1]->surface().pixel(25, 25), sprites.pic[11].pixel(25, 25));
        QCOMPARE(c.sample[0]->surface().pixel(0, 0), qRgb(255, 255, 255));
        // The blue band on the right.
        QCOMPARE(h->face().pixel(399, 100), qRgb(85, 51, 255));

        // A left click on the text pages nothing; a right click hides and keeps the page.
        const QPoint on_text(60, 30);
        click(h, Qt::LeftButton, on_text);
        QCOMPARE(c.page->text(), "1 / 8");
        QVERIFY(h->isVisible());
        click(h, Qt::RightButton, on_text);
        QVERIFY(!h->isVisible());
        t.w->menus().m_help->trigger();
        QCOMPARE(t.w->dialogs().help, h);
        QCOMPARE(c.page->text(), "1 / 8");

        // Closing unloads it: the next opening starts at page 0.
        h->close();
        QTRY_VERIFY(!t.w->dialogs().help);
        t.w->menus().m_help->trigger();
        QCOMPARE(t.w->dialogs().help->controls().page->text(), "0 / 8");
    }

    void help_without_its_pictures_still_opens_and_pages()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(QFile::remove(t.h.paths.bmp_dir + "help_next.bmp"));
        QVERIFY(QFile::remove(t.h.paths.bmp_dir + "help_back.bmp"));
        t.w->menus().m_help->trigger();
        HelpWindow* h = t.w->dialogs().help;
        QVERIFY(h && h->isVisible());
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QVERIFY(t.h.prompt.asked[0].text.contains(t.h.paths.bmp_dir + "help_next.bmp"));
        click(h->controls().next_help);
        QCOMPARE(h->controls().page->text(), "1 / 8");
        click(h->controls().back_help);
        click(h->controls().back_help);
        QCOMPARE(h->controls().page->text(), "8 / 8");
    }

    void the_help_window_of_the_earlier_build_has_no_counter()
    {
        Table t;
        QVERIFY(t.ready());
        HelpWindow h(*t.w->controls().sprites, t.h.paths.bmp_dir, t.h.prompt, {QStringLiteral("help"), false});
        QCOMPARE(h.windowTitle(), "help");
        QVERIFY(!h.controls().page);
        click(h.controls().next_help);
        QCOMPARE(h.pages().page_index(), uint8_t(1));
    }

    void the_about_box_icon_wanders_and_comes_back()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        t.h.sound.log.clear();
        t.w->menus().about_mipo->trigger();
        AboutWindow* a = t.w->dialogs().about;
        QVERIFY(a && a->isVisible());
        QVERIFY(t.h.sound.log.contains("simple open_mpkx.wav"));
        QCOMPARE(a->windowTitle(), u("ミポぽかんのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(a->controls().lbl_title->text(), u("ミポぽかん"));
        QCOMPARE(a->controls().lbl_version->text(), u("ﾊﾞｰｼﾞｮﾝ 1.0.84"));

        QWidget* icon = a->controls().about_mipo_ico;
        const QPoint home = icon->pos();
        t.h.random.set_script({0.9}); // round(1.8) = 2: downwards
        click(icon);
        QTRY_VERIFY(icon->y() > home.y() + 60);
        QCOMPARE(icon->x(), home.x());
        t.h.random.set_script({0.0}); // a second walk, to the right, at the same time
        click(icon);
        QCOMPARE(a->walks(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(a->walks() == 0, 10000);
        QCOMPARE(icon->pos(), home);
    }

    void closing_the_about_box_ends_the_walk()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        t.w->menus().about_mipo->trigger();
        AboutWindow* a = t.w->dialogs().about;
        click(a->controls().about_mipo_ico);
        QTest::qWait(50);
        click(a->ok_button());
        QTRY_VERIFY(!t.w->dialogs().about);
        QTest::qWait(200);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<AboutWindow*>(w));
    }

    void the_system_information_button_starts_the_tool_or_says_there_is_none()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        t.w->menus().about_mipo->trigger();
        click(t.w->dialogs().about->sys_info_button());
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QCOMPARE(t.h.prompt.asked[0].text, u("現時点ではｼｽﾃﾑ情報を使用できません"));
        QVERIFY(started.isEmpty());

        tool.tool = platform::SystemInfoTool::Command{"/usr/bin/kinfocenter", {}};
        t.w->menus().about_zorvik->trigger();
        click(t.w->dialogs().zorvik->sys_info_button());
        QCOMPARE(started, QStringList{"/usr/bin/kinfocenter"});
        QCOMPARE(t.h.prompt.asked.size(), 1);
    }

    void the_maker_window_comes_with_the_splash()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        t.w->menus().about_zorvik->trigger();
        ZorvikWindow* z = t.w->dialogs().zorvik;
        QVERIFY(z && z->isVisible());
        QCOMPARE(z->windowTitle(), "about zorvik/nabelune");
        QCOMPARE(z->controls().zorvik_telop->text(), u("zorvik/nabelune  ゾルヴィク『ナベルネ』\nsince 1996 to 2000\n Project : MIPO "));
        QCOMPARE(z->controls().lbl_version->text(), u("ﾊﾞｰｼﾞｮﾝ 1.0.84"));
        QVERIFY(z->controls().zorvik_at->text().startsWith(u("連絡先\n")));
        QCOMPARE(z->controls().attention->text(), u("警告 : 寝不足に注意しましょう。えっ？私のことですか、それって。"));

        LogoWindow* logo = t.h.app->logo();
        QVERIFY(logo && logo->isVisible() && logo->waiting());
        t.h.clock.advance(1000);
        logo->poll();
        QVERIFY(!logo->isVisible());
        QVERIFY(t.w->isVisible());

        QTest::keyClick(z, Qt::Key_Return); // OK is the default button: it unloads the window
        QTRY_VERIFY(!t.w->dialogs().zorvik);
    }

    void the_update_history_is_read_each_time()
    {
        Table t;
        QVERIFY(t.ready());
        const QString path = t.h.paths.app_dir + u("更新履歴mpkx.txt");
        QVERIFY(write_bytes(path, platform::encode_cp932(u("2000/1/1 ミポ誕生～\r\n最後の行"))));
        t.w->menus().rireki->trigger();
        HistoryWindow* h = t.w->dialogs().history;
        QVERIFY(h && h->isVisible());
        QCOMPARE(h->windowTitle(), u("virave(誰？)の軌跡(日記帳)♪"));
        QCOMPARE(h->size(), QSize(600, 500));
        const QString expected = u("2000/1/1 ミポ誕生～\n最後の行\n");
        QCOMPARE(h->his_text()->toPlainText(), expected);
        t.w->menus().rireki->trigger();
        QCOMPARE(h->his_text()->toPlainText(), expected);

        h->resize(320, 240);
        QCOMPARE(h->his_text()->geometry(), QRect(0, 0, 320, 240));

        QVERIFY(QFile::remove(path));
        t.w->menus().rireki->trigger();
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QCOMPARE(t.h.prompt.asked[0].text, u("ファイルの読み出しエラーです｡"));
        QCOMPARE(h->his_text()->toPlainText(), expected);

        QVERIFY(write_bytes(path, QByteArray()));
        t.w->menus().rireki->trigger();
        QCOMPARE(h->his_text()->toPlainText(), QString());

        // A history too large to read is not read; the window says so.
        QVERIFY(write_bytes(path, QByteArray(history_file::kMaxBytes + 1, 'a')));
        t.w->menus().rireki->trigger();
        QCOMPARE(h->his_text()->toPlainText(), u("更新履歴が大きすぎます｡64KBまで表示できます｡"));
        QCOMPARE(t.h.prompt.asked.size(), 1);
    }

    // Every window of the menus as a screen reader finds it: each control a user reaches
    // has a name of its own and each window is a window or a dialog.
    void every_dialog_names_what_a_user_reaches()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        QVERIFY(write_bytes(t.h.paths.app_dir + u("更新履歴mpkx.txt"), "2000/1/1\r\n"));
        const PokanMenus& m = t.w->menus();
        for (QAction* a : {m.m_set, m.m_soubi, m.change_pic, m.m_help, m.about_mipo, m.about_zorvik, m.rireki,
                           m.screen_server})
            a->trigger();
        const GameDialogs& d = t.w->dialogs();
        const QList<QWidget*> windows = {d.setting, d.soubi, d.selectbit, d.help,          d.about,
                                         d.zorvik,  d.history, d.screen_server};
        QStringList found;
        for (QWidget* w : windows) {
            QVERIFY(w && w->isVisible());
            found << accessible_walk::unnamed_controls(w);
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));

        // Captions that do not say what the window is are told by its description.
        for (QWidget* w : {static_cast<QWidget*>(d.help), static_cast<QWidget*>(d.selectbit),
                           static_cast<QWidget*>(d.history), static_cast<QWidget*>(d.screen_server)})
            QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description).isEmpty(),
                     qPrintable(w->windowTitle()));
    }

    // The worn weapon is the checked one; choosing another checks nothing until it is worn.
    void the_weapon_worn_is_the_one_checked()
    {
        Table t;
        QVERIFY(t.ready());
        t.w->menus().m_soubi->trigger();
        SoubiDialog* s = t.w->dialogs().soubi;
        QVERIFY(s && activate(s));
        const auto& pic = s->controls().pic;
        auto checked = [&] {
            QList<int> on;
            for (int i = 0; i < 3; ++i) {
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(pic[i]);
                if (!iface->state().checkable)
                    return QList<int>{-1};
                if (iface->state().checked)
                    on << i;
            }
            return on;
        };
        QCOMPARE(checked(), QList<int>{0});
        // The axe chosen by Space from the keyboard focus, then worn by 装備.
        pic[1]->setFocus(Qt::TabFocusReason);
        QVERIFY(press_key(Qt::Key_Space));
        QCOMPARE(s->chosen(), uint8_t(1));
        QCOMPARE(checked(), QList<int>{0});
        click(s->controls().soubi_ok);
        QCOMPARE(checked(), QList<int>{1});
    }

    // The help pages turn by the keys that turn pages, from the arrow that has the focus,
    // which a screen reader hears as a button with the page as its description.
    void help_pages_turn_by_keys()
    {
        Table t;
        QVERIFY(t.ready());
        t.w->menus().m_help->trigger();
        HelpWindow* h = t.w->dialogs().help;
        QVERIFY(h && activate(h));
        const auto& c = h->controls();
        QCOMPARE(QApplication::focusWidget(), c.next_help);
        QAccessibleInterface* next = QAccessible::queryAccessibleInterface(c.next_help);
        QCOMPARE(next->role(), QAccessible::Button);
        QVERIFY(next->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

        QVERIFY(press_key(Qt::Key_Right));
        QCOMPARE(c.page->text(), "1 / 8");
        QVERIFY(press_key(Qt::Key_PageDown));
        QVERIFY(press_key(Qt::Key_Space));
        QCOMPARE(c.page->text(), "3 / 8");
        QVERIFY(next->text(QAccessible::Description).contains(u("★ゲームの始め方")));
        QVERIFY(press_key(Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), c.back_help);
        QVERIFY(press_key(Qt::Key_Return));
        QVERIFY(press_key(Qt::Key_PageUp));
        QVERIFY(press_key(Qt::Key_Left));
        QCOMPARE(c.page->text(), "0 / 8");
        // The keypad's page is one step back from the first.
        QVERIFY(press_key(Qt::Key_Left));
        QVERIFY(c.help_text->text().startsWith(u("★キーボード")));
        // The arrows press by the screen reader's action too.
        next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(c.page->text(), "0 / 8");

        QVERIFY(press_key(Qt::Key_Escape));
        QTRY_VERIFY(!t.w->dialogs().help);
    }

    // The windows with a frame close by Escape as by their close box.
    void escape_closes_the_skin_chooser_and_the_history()
    {
        Table t;
        QVERIFY(t.ready());
        use_fakes(t);
        drives.places = {t.h.dir.path()};
        t.w->menus().change_pic->trigger();
        QPointer<SelectbitWindow> s = t.w->dialogs().selectbit;
        QVERIFY(s && activate(s));
        s->controls().dir->setFocus();
        QVERIFY(press_key(Qt::Key_Escape));
        QTRY_VERIFY(!s);

        QVERIFY(write_bytes(t.h.paths.app_dir + u("更新履歴mpkx.txt"), "x\r\n"));
        t.w->menus().rireki->trigger();
        HistoryWindow* h = t.w->dialogs().history;
        QVERIFY(h && activate(h));
        h->his_text()->setFocus();
        QVERIFY(press_key(Qt::Key_Escape));
        QVERIFY(!h->isVisible());
    }

    void the_screen_saver_covers_the_screen_until_clicked()
    {
        Table t;
        QVERIFY(t.ready());
        QVERIFY(t.w->menus().screen_server->isEnabled());
        // One number for every draw: the title's jiggle shares the generator and may take draws
        // between the steps, so only a script that looks the same from any position is steady.
        t.h.random.set_script({0.6}); // never cleared, grey circles of radius 60
        QTest::keyClick(t.w, Qt::Key_S, Qt::ControlModifier);
        ScreenServerWindow* s = t.w->dialogs().screen_server;
        QVERIFY(s && s->isVisible());
        QCOMPARE(s->geometry(), t.w->screen()->geometry());
        QCOMPARE(s->label1()->text(), "zorvik/nabelune\nmipo pokan.2000");
        QVERIFY(s->timer().isActive());
        QTest::qWait(60);
        const QSize size = s->surface().image().size();
        const QPoint centre(int(0.6 * size.width() * 15 / 14), int(0.6 * size.height() * 15 / 16));
        QCOMPARE(s->surface().pixel(centre.x() + 60, centre.y()), qRgb(153, 153, 153));
        QCOMPARE(s->surface().pixel(centre.x(), centre.y()), qRgb(0, 0, 0));

        click(s, Qt::LeftButton, QPoint(400, 400));
        QVERIFY(!s->isVisible());
        QVERIFY(!s->timer().isActive());
        t.w->menus().screen_server->trigger();
        QVERIFY(s->isVisible());
        QVERIFY(s->timer().isActive());
    }
};

QTEST_MAIN(ExtraWindowsTest)
#include "extra_windows_test.moc"
