// The name box and the text on the desktop, as the real widgets do them.
#include "platform/desktop/desktop_overlay.h"
#include "platform/ui/prompt.h"
#include "platform/ui/accessible_role.h"
#include "platform/ui/surface_widget.h"
#include "accessible_walk.h"
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

class PromptAndOverlayTest : public QObject {
    Q_OBJECT

private slots:
    void the_input_box_breaks_lines_at_cr_stays_on_top_and_stands_at_the_left_edge()
    {
        platform::QtPrompt prompt;
        QString label;
        bool on_top = false;
        QPoint at;
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            label = dialog->labelText();
            on_top = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            at = dialog->pos();
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), "yuki");
            QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Return);
        });
        const auto answer = prompt.input(QString::fromUtf8("1位でした｡\r名前を入力して下さい｡\r\n6文字以内"), "title",
                                         QString(), platform::Prompt::Placement{0, {}});
        QCOMPARE(answer, std::optional<QString>("yuki"));
        QCOMPARE(label, QString::fromUtf8("1位でした｡\n名前を入力して下さい｡\n6文字以内"));
        QVERIFY(on_top);
        QCOMPARE(at.x(), QGuiApplication::primaryScreen()->availableGeometry().left());
        QVERIFY(at.y() > QGuiApplication::primaryScreen()->availableGeometry().top()); // its usual height
    }

    // After a game the boxes stand over the game's window (its transient parent, which window
    // managers place them on), not over a hidden window of the application; the name box has
    // one size, as the message boxes have, so it cannot be stretched or maximised. A window that
    // is not shown owns no box.
    void boxes_stand_over_their_owner_and_keep_their_size()
    {
        QWidget main;
        main.resize(300, 200);
        QWidget* game_window = nullptr; // the game's window comes after the prompt
        platform::QtPrompt prompt;
        prompt.set_owner([&] { return game_window; });
        game_window = &main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        struct Seen {
            QWindow* transient_parent = nullptr;
            QWidget* parent = nullptr;
            QSize size, minimum, maximum;
        };
        const auto look = [](QWidget* box) {
            return Seen{box->windowHandle() ? box->windowHandle()->transientParent() : nullptr, box->parentWidget(),
                        box->size(), box->minimumSize(), box->maximumSize()};
        };
        Seen name_box, result_box;
        QTimer::singleShot(50, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            QTest::keyClicks(box->findChild<QLineEdit*>(), "a long name typed into the box");
            name_box = look(box);
            QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
        });
        QVERIFY(prompt.input(QString::fromUtf8("1位でした｡\r名前を入力して下さい｡"), "title", QString(),
                             platform::Prompt::Placement{0, {}}).has_value());
        QTimer::singleShot(50, [&] {
            result_box = look(QApplication::activeModalWidget());
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        prompt.inform(QString::fromUtf8("終わり"), "title");

        QCOMPARE(name_box.parent, &main);
        QCOMPARE(name_box.transient_parent, main.windowHandle());
        QCOMPARE(result_box.parent, &main);
        QCOMPARE(result_box.transient_parent, main.windowHandle());
        QCOMPARE(name_box.minimum, name_box.maximum);
        QCOMPARE(name_box.size, name_box.minimum);
        QCOMPARE(result_box.minimum, result_box.maximum);

        main.hide();
        QTimer::singleShot(50, [&] {
            result_box = look(QApplication::activeModalWidget());
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
        });
        prompt.inform(QString::fromUtf8("終わり"), "title");
        QCOMPARE(result_box.parent, nullptr);
    }

    void enter_answers_no_when_no_is_the_default()
    {
        platform::QtPrompt prompt;
        QTimer::singleShot(50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        QCOMPARE(prompt.ask("empty?", "title", platform::Prompt::Buttons::YesNoDefaultNo, platform::Prompt::Icon::Question), platform::Prompt::kNo);
        QTimer::singleShot(50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
        QCOMPARE(prompt.ask("empty?", "title", platform::Prompt::Buttons::YesNo, platform::Prompt::Icon::Question), platform::Prompt::kYes);
    }

    void escape_in_the_input_box_is_no_answer()
    {
        platform::QtPrompt prompt;
        QTimer::singleShot(50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        platform::Prompt& base = prompt;
        QVERIFY(!base.input("name?", "title").has_value());
    }

    // What the window tests lean on: the walk finds an unnamed box, a combo box named only
    // by its entry and an anonymous window, and the roles and names given take them away.
    void a_screen_reader_finds_the_roles_and_names_given()
    {
        QWidget window;
        window.setWindowTitle("w");
        auto* box = new QLineEdit(&window);
        auto* list = new QComboBox(&window);
        list->addItem("/");
        list->move(0, 40);
        auto* picture = new platform::SurfaceWidget(&window, 20, 20);
        picture->move(0, 80);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList before = accessible_walk::unnamed_controls(&window);
        QCOMPARE(before.size(), 3);
        QVERIFY(before.filter("neither a window nor a dialog").size() == 1);
        QVERIFY(before.filter("QLineEdit").size() == 1);
        QVERIFY(before.filter("QComboBox").size() == 1);

        platform::set_accessible_role(&window, QAccessible::Dialog);
        platform::name_control(box, "box");
        platform::name_control(list, "drive");
        platform::set_accessible_role(picture, QAccessible::Button);
        const QStringList after = accessible_walk::unnamed_controls(&window);
        QVERIFY2(after.filter("SurfaceWidget").size() == 1, qPrintable(after.join('\n'))); // a button without a name
        picture->setAccessibleName("picture");
        const QStringList named = accessible_walk::unnamed_controls(&window);
        QVERIFY2(named.isEmpty(), qPrintable(named.join('\n')));

        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(button->role(), QAccessible::Button);
        QSignalSpy pressed(picture, &platform::SurfaceWidget::clicked);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(pressed.size(), 1);
    }

    void the_desktop_text_is_only_its_red_glyphs_at_its_place()
    {
        QFont font;
        font.setPointSize(20);
        platform::DesktopOverlay overlay(font);
        overlay.clean(); // nothing shown: harmless
        QVERIFY(!overlay.is_shown());
        overlay.write(QString::fromUtf8("貴方は1位 ゆき"));
        QVERIFY(overlay.is_shown());
        QCOMPARE(overlay.text(), QString::fromUtf8("貴方は1位 ゆき"));
        const QWidget* w = overlay.window();
        QCOMPARE(w->pos(), QPoint(100, 100));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowTransparentForInput));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        // The window is shaped to the glyphs: far less than its rectangle, but not nothing.
        const QRegion mask = w->mask();
        qint64 covered = 0;
        for (const QRect& r : mask)
            covered += qint64(r.width()) * r.height();
        QVERIFY(covered > 50);
        QVERIFY(covered < qint64(w->width()) * w->height() / 2);
        // What shows is red.
        const QImage shown = const_cast<QWidget*>(w)->grab().toImage();
        const QRect first = *mask.begin();
        QCOMPARE(shown.pixelColor(first.topLeft()), QColor(255, 0, 0));

        overlay.write("again");
        QCOMPARE(w->pos(), QPoint(100, 100)); // drawn afresh at the same place
        QCOMPARE(overlay.text(), QString("again"));
        overlay.clean();
        QVERIFY(!overlay.is_shown());
        overlay.clean();
    }
};

QTEST_MAIN(PromptAndOverlayTest)
#include "prompt_and_overlay_test.moc"
