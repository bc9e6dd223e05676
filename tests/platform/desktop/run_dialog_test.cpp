#include "platform/desktop/fake_system_info_tool.h"
#include "platform/desktop/run_dialog.h"
#include "platform/desktop/xdg_desktop_actions.h"
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace platform;

class RunDialogTest : public QObject {
    Q_OBJECT

private slots:
    void typed_command_runs_and_closes();
    void failed_start_keeps_the_dialog();
    void system_properties_fall_back_to_our_panel();
};

void RunDialogTest::typed_command_runs_and_closes()
{
    XdgDesktopActions desktop(FakeSystemInfoTool{}, {});
    QList<RunCommand> ran;
    RunDialog dialog([&](const RunCommand& c) { ran.append(c); return true; });
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("ファイル名を指定して実行"));
    dialog.show_fresh();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.line());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // nothing typed: nothing runs
    QVERIFY(ran.isEmpty());
    QVERIFY(!dialog.ok_button()->isEnabled());

    QTest::keyClicks(QApplication::focusWidget(), "gedit 'my diary.txt' --new-window");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(ran.size(), 1);
    QCOMPARE(ran[0].kind, RunCommand::Kind::Start);
    QCOMPARE(ran[0].program, QString("gedit"));
    QCOMPARE(ran[0].arguments, (QStringList{"my diary.txt", "--new-window"}));
    QVERIFY(!dialog.isVisible());

    dialog.show_fresh(); // opened again: the last line is there, selected, replaced by typing
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(QApplication::focusWidget(), "https://example.org/");
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(ran.size(), 2);
    QCOMPARE(dialog.line()->text(), QString("https://example.org/"));
    QCOMPARE(ran[1].kind, RunCommand::Kind::Open);
    QCOMPARE(ran[1].target, QString("https://example.org/"));
}

void RunDialogTest::failed_start_keeps_the_dialog()
{
    int tries = 0;
    RunDialog dialog([&](const RunCommand&) { ++tries; return false; });
    dialog.show_fresh();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClicks(QApplication::focusWidget(), "no-such-program");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(tries, 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.line()->selectedText(), QString("no-such-program"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void RunDialogTest::system_properties_fall_back_to_our_panel()
{
    FakeSystemInfoTool none;
    int panels = 0;
    XdgDesktopActions without(none, [&] { ++panels; });
    without.show_system_properties();
    QCOMPARE(panels, 1);

    FakeSystemInfoTool broken;
    broken.tool = SystemInfoTool::Command{"/nonexistent/kinfocenter", {}};
    XdgDesktopActions with_broken(broken, [&] { ++panels; });
    with_broken.show_system_properties();
    QCOMPARE(panels, 2); // a tool that does not start is no tool

    FakeSystemInfoTool present;
    present.tool = SystemInfoTool::Command{"/bin/true", {}};
    XdgDesktopActions with_tool(present, [&] { ++panels; });
    with_tool.show_system_properties();
    QCOMPARE(panels, 2);

    with_tool.show_run_dialog();
    QVERIFY(with_tool.run_dialog() && with_tool.run_dialog()->isVisible());
    QCOMPARE(with_tool.run_dialog()->windowTitle(), RunDialog::title());
}

QTEST_MAIN(RunDialogTest)
#include "run_dialog_test.moc"
