// The end of a game in the main window: the result, the name, the file, the table
// and the player's line on the desktop.
#include "game_window_harness.h"
#include "game/data/score_file.h"
#include <QMenu>
#include <QProcess>

namespace {

// Plays a game on the fake clock: one seal struck at hole 4, then misses at the
// empty hole 8 until the time is gone. Returns with the game over.
bool play_one_hit_then_miss_out(Table& t)
{
    t.h.random.set_script({at_hole(4)});
    if (!t.start_with_f1())
        return false;
    if (!t.advance(100))
        return false;
    if (!QTest::qWaitFor([&] { return t.w->engine().ana_flag(4) == GameEngine::kSeal; }, 2000))
        return false;
    QTest::mousePress(t.w->controls().board, Qt::LeftButton, {}, hole_centre(4));
    while (t.w->game_mode() == GameMode::Playing)
        QTest::mousePress(t.w->controls().board, Qt::LeftButton, {}, hole_centre(8));
    return true;
}

ScoreTable table_in(const QString& path)
{
    ScoreTable t;
    score_file::parse(file_bytes(path), t);
    return t;
}

} // namespace

class GameEndWindowTest : public QObject {
    Q_OBJECT

private slots:
    void a_placed_game_asks_the_name_writes_the_file_and_shows_the_table()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.prompt.answer_input(u("ゆきちゃん"));
        QString desk_text;
        QPoint desk_at;
        t.h.prompt.while_open = [&](const platform::ScriptedPrompt::Asked& asked) {
            if (asked.title != u("ミポぽかん｡2000のスコア"))
                return;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->windowTitle() == "desktop text" && top->isVisible()) {
                    desk_text = "shown";
                    desk_at = top->pos();
                }
        };
        QVERIFY(play_one_hit_then_miss_out(t));

        // The result, the name question, the table: in that order.
        QCOMPARE(t.h.prompt.asked.size(), 2);
        QCOMPARE(t.h.prompt.asked[0].text, u("貴方は1匹のミポをに★を与えました。"));
        QCOMPARE(t.h.prompt.asked[0].title, u("終わり"));
        QCOMPARE(t.h.prompt.inputs.size(), 1);
        QCOMPARE(t.h.prompt.inputs[0].text, u("1位でした｡\r名前を入力して下さい｡\r6文字以内"));
        QCOMPARE(t.h.prompt.inputs[0].title, u("ミポぽかん｡2000"));
        QCOMPARE(t.h.prompt.inputs[0].default_text, QString());
        QCOMPARE(t.h.prompt.inputs[0].placement.left, std::optional<int>(0));
        QVERIFY(!t.h.prompt.inputs[0].placement.top);
        const QString table = t.h.prompt.asked[1].text;
        QCOMPARE(t.h.prompt.asked[1].title, u("ミポぽかん｡2000のスコア"));
        QVERIFY(table.startsWith(u("貴方は1位 ゆきちゃん  100点 1hit 20回のミス 100%\r\n\r\n1 ゆきちゃん  100点")));
        QCOMPARE(table.count("\r\n"), 12);

        // The player's line stood on the desktop at (100, 100) while the table was open.
        QCOMPARE(desk_text, QString("shown"));
        QCOMPARE(desk_at, QPoint(100, 100));
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!(top->windowTitle() == "desktop text" && top->isVisible()));

        // The file, read back.
        const ScoreTable stored = table_in(t.h.paths.app_dir + "score.ini");
        QCOMPARE(stored[0].name, u("ゆきちゃん "));
        QCOMPARE(stored[0].score, int16_t(100));
        QCOMPARE(int(stored[0].misses), 20);
        QCOMPARE(stored[1], ScoreEntry{});
        QCOMPARE(file_bytes(t.h.paths.app_dir + "score.ini").size(), 589);
        QCOMPARE(t.w->controls().coment->text(), u("帰る?逃げていい?"));
        QCOMPARE(t.w->game_mode(), GameMode::Ready);
    }

    void cancel_gives_the_date_name_and_the_menu_shows_the_table_alone()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.clock.set_today(QDate(2026, 12, 7));
        t.h.prompt.answer_input(std::nullopt);
        QVERIFY(play_one_hit_then_miss_out(t));
        QCOMPARE(t.w->data().score_table[0].name, u("26127 "));
        QCOMPARE(table_in(t.h.paths.app_dir + "score.ini")[0].name, u("26127 "));

        bool desk_shown = true;
        t.h.prompt.while_open = [&](const platform::ScriptedPrompt::Asked&) {
            desk_shown = false;
            for (QWidget* top : QApplication::topLevelWidgets())
                desk_shown |= top->windowTitle() == "desktop text" && top->isVisible();
        };
        t.w->menus().scorecall->trigger();
        QCOMPARE(t.h.prompt.asked.last().title, u("ミポぽかん｡2000のスコア"));
        QVERIFY(t.h.prompt.asked.last().text.startsWith(u("1 26127  100点 1hit 20回のミス 100%\r\n2 ")));
        QVERIFY(!desk_shown);
    }

    void a_game_without_a_place_asks_no_name()
    {
        Table t;
        QVERIFY(t.ready());
        // A full table of 999 points: 100 points take no place.
        ScoreTable full;
        for (int i = 0; i < 10; ++i)
            full[i] = ScoreEntry{u("ミポ    "), 999, 9, 9, 99};
        QVERIFY(platform::write_file_atomically(t.h.paths.app_dir + "score.ini", score_file::serialize(full)));
        const QByteArray before = file_bytes(t.h.paths.app_dir + "score.ini");
        QVERIFY(play_one_hit_then_miss_out(t));
        QCOMPARE(t.h.prompt.inputs.size(), 0);
        QCOMPARE(t.h.prompt.asked.size(), 1);
        QCOMPARE(file_bytes(t.h.paths.app_dir + "score.ini"), before);
    }

    void an_entry_another_copy_wrote_meanwhile_is_kept()
    {
        Table t;
        QVERIFY(t.ready());
        ScoreTable theirs;
        theirs[0] = ScoreEntry{u("other "), 3000, 30, 0, 100};
        QVERIFY(platform::write_file_atomically(t.h.paths.app_dir + "score.ini", score_file::serialize(theirs)));
        t.h.prompt.answer_input(u("me"));
        QVERIFY(play_one_hit_then_miss_out(t));
        const ScoreTable stored = table_in(t.h.paths.app_dir + "score.ini");
        QCOMPARE(stored[0].name, u("other "));
        QCOMPARE(stored[1].name, u("me    "));
    }

    void the_files_go_to_the_data_folder_when_it_is_not_the_program_folder()
    {
        QTemporaryDir user;
        Table t;
        t.h.paths.data_dir = user.path() + "/";
        t.h.prompt.answer_input(u("me"));
        QVERIFY(t.ready());
        QVERIFY(play_one_hit_then_miss_out(t));
        QCOMPARE(table_in(user.path() + "/score.ini")[0].name, u("me    "));
        QCOMPARE(file_bytes(user.path() + "/config.csv").size(), 7);
        QVERIFY(!QFile::exists(t.h.paths.app_dir + "score.ini"));
        QVERIFY(!QFile::exists(t.h.paths.app_dir + "config.csv"));
    }

    void closing_the_window_behind_the_result_box_ends_cleanly()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.prompt.answer_input(u("late"));
        t.h.prompt.while_open = [&](const platform::ScriptedPrompt::Asked& asked) {
            if (asked.title == u("終わり"))
                t.w->close(); // the sounds go while the game is still ending
        };
        QVERIFY(play_one_hit_then_miss_out(t));
        QVERIFY(!t.w->isVisible());
        QCOMPARE(t.w->game_mode(), GameMode::Ready);
        QCOMPARE(table_in(t.h.paths.app_dir + "score.ini")[0].name, u("late  "));
    }

    void a_score_file_that_cannot_be_written_is_reported_and_the_table_kept()
    {
        Table t;
        QVERIFY(t.ready());
        const QString path = t.h.paths.app_dir + "score.ini";
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        t.h.prompt.answer_input(u("me"));
        QVERIFY(play_one_hit_then_miss_out(t));
        QCOMPARE(t.h.prompt.asked.size(), 3);
        QVERIFY(t.h.prompt.asked[1].text.contains(path));
        QVERIFY(t.h.prompt.asked[2].text.contains(u("1 me     100点")));
        QCOMPARE(t.w->data().score_table[0].name, u("me    "));
        // The file has not changed since: the menu shows the table kept in memory.
        t.w->menus().scorecall->trigger();
        QVERIFY(t.h.prompt.asked.last().text.startsWith(u("1 me     100点")));
    }

    void the_menu_shows_the_table_the_other_build_wrote_since()
    {
        Table t;
        QVERIFY(t.ready());
        t.h.prompt.answer_input(u("me"));
        QVERIFY(play_one_hit_then_miss_out(t));
        t.w->menus().scorecall->trigger();
        QVERIFY(t.h.prompt.asked.last().text.startsWith(u("1 me     100点")));

        // The other build, a process of its own, puts its table in place of ours.
        ScoreTable theirs = t.w->data().score_table;
        theirs[0] = ScoreEntry{u("other "), 3000, 30, 0, 100};
        QTemporaryDir other;
        const QString written = other.path() + "/score.ini";
        QVERIFY(platform::write_file_atomically(written, score_file::serialize(theirs)));
        QProcess copy;
        copy.start("cp", {written, t.h.paths.app_dir + "score.ini"});
        QVERIFY(copy.waitForFinished(10000));
        QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy.exitCode(), 0);

        t.w->menus().scorecall->trigger();
        QVERIFY2(t.h.prompt.asked.last().text.startsWith(u("1 other  3000点")), qPrintable(t.h.prompt.asked.last().text));
    }
};

QTEST_MAIN(GameEndWindowTest)
#include "game_end_window_test.moc"
