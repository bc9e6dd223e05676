#include "game/data/score_file.h"
#include "game/scores/score_keeper.h"
#include "game/scores/score_rules.h"
#include "game/scores/score_texts.h"
#include "platform/files/atomic_file.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

ScoreEntry entry(const char* name, int score, int hits, int misses, int rate)
{
    return ScoreEntry{u(name), static_cast<int16_t>(score), static_cast<uint8_t>(hits), static_cast<uint8_t>(misses),
                      static_cast<uint8_t>(rate)};
}

// A table going down from 2000 in steps of 100; the candidate in entry 10.
ScoreTable falling_table()
{
    ScoreTable t;
    for (int i = 0; i < 10; ++i)
        t[i] = entry("abcdef", 2000 - 100 * i, 9, 5, 50);
    return t;
}

TEST(Ranking, PlacesByScoreThenFewerMissesOlderEntriesStayAhead)
{
    ScoreTable t = falling_table();
    t[10] = entry("", 1100, 1, 5, 10); // equal to the tenth, equal misses
    EXPECT_EQ(score_rules::rank(t), 10);
    t[10].misses = 6;
    EXPECT_EQ(score_rules::rank(t), 10);
    t[10].misses = 4;
    EXPECT_EQ(score_rules::rank(t), 9);
    t[10] = entry("", 1000, 1, 0, 10); // below the tenth
    EXPECT_EQ(score_rules::rank(t), 10);
    t[10] = entry("", 2100, 1, 9, 10);
    EXPECT_EQ(score_rules::rank(t), 0);

    // Entries 3 and 4 at 1200 with 2 and 5 misses: 1200 with 3 misses passes 4, stops at 3.
    ScoreTable tie;
    for (int i = 0; i < 10; ++i)
        tie[i] = entry("x", i < 3 ? 2000 : (i < 5 ? 1200 : 500), 1, 0, 1);
    tie[3].misses = 2;
    tie[4].misses = 5;
    tie[10] = entry("", 1200, 1, 3, 1);
    EXPECT_EQ(score_rules::rank(tie), 4);
}

TEST(Ranking, EnteringShiftsTheRestDownAndDropsTheTenth)
{
    ScoreTable t = falling_table();
    for (int i = 0; i < 10; ++i)
        t[i].name = QString("name%1").arg(i);
    t[10] = entry("", 1750, 12, 3, 80);
    score_rules::enter_candidate(t, 3, u("ゆき    "));
    EXPECT_EQ(t[2].name, "name2");
    EXPECT_EQ(t[3], entry("ゆき    ", 1750, 12, 3, 80));
    EXPECT_EQ(t[4].name, "name3");
    EXPECT_EQ(t[9].name, "name8");

    ScoreTable last = falling_table();
    last[10] = entry("", 1150, 1, 1, 1);
    score_rules::enter_candidate(last, 9, "zz    ");
    EXPECT_EQ(last[8], falling_table()[8]);
    EXPECT_EQ(last[9].score, 1150);
}

TEST(Names, AreSixCharactersAsTheFileHoldsThem)
{
    const QDate day(2026, 12, 7);
    EXPECT_EQ(score_rules::stored_name(u("abcdefgh"), day), u("abcdef"));
    EXPECT_EQ(score_rules::stored_name(u("ミポ"), day), u("ミポ    "));
    EXPECT_EQ(score_rules::stored_name(u("ミポぽかん２０"), day), u("ミポぽかん２"));
    // Characters, not UTF-16 units; what the code page cannot hold is "?".
    EXPECT_EQ(score_rules::stored_name(u("😀😀😀😀"), day), u("????  "));
    EXPECT_EQ(score_rules::stored_name(u("a😀b😀c😀d"), day), u("a?b?c?"));
    // Control characters are blanks, before the test for an empty name.
    EXPECT_EQ(score_rules::stored_name(u("a\tb"), day), u("a b   "));
    EXPECT_EQ(score_rules::stored_name(QString("a") + QChar(0) + "b", day), u("a b   "));
    EXPECT_EQ(score_rules::stored_name(u("\t\t"), day), u("26127 "));
    EXPECT_EQ(score_rules::stored_name(u(""), day), u("26127 "));
    EXPECT_EQ(score_rules::stored_name(u("      x"), day), u("26127 ")); // cut first, then tested
    // A full-width space is a name.
    EXPECT_EQ(score_rules::stored_name(u("　"), day), u("　     "));
    // Whatever is kept in memory is exactly what the file gives back.
    for (const char* typed : {"¥", "😀😀😀😀", "ミポ～", "a\tb", "ÄÖÜ"}) {
        const QString name = score_rules::stored_name(u(typed), day);
        EXPECT_EQ(score_file::decode_name(score_file::encode_name(name)), name) << typed;
    }
}

TEST(Names, TheDateNameHasNoLeadingZeros)
{
    EXPECT_EQ(score_rules::date_name(QDate(2026, 12, 7)), u("26127 "));
    EXPECT_EQ(score_rules::date_name(QDate(2026, 1, 5)), u("2615  "));
    EXPECT_EQ(score_rules::date_name(QDate(2009, 10, 31)), u("91031 "));
    EXPECT_EQ(score_rules::date_name(QDate(2000, 11, 22)), u("01122 "));
}

TEST(Texts, ResultPromptAndTable)
{
    EXPECT_EQ(score_texts::result_message(7), u("貴方は7匹のミポをに★を与えました。"));
    EXPECT_EQ(score_texts::name_prompt(0), u("1位でした｡\r名前を入力して下さい｡\r6文字以内"));
    ScoreTable t;
    for (auto& e : t)
        e = entry("ミポ    ", 999, 9, 9, 99);
    t[2] = entry("ゆき    ", 1200, 12, 3, 80);
    const QString line3 = u("3 ゆき     1200点 12hit 3回のミス 80%\r\n");
    const QString plain = score_texts::table_text(t, -1);
    EXPECT_TRUE(plain.startsWith(u("1 ミポ     999点 9hit 9回のミス 99%\r\n")));
    EXPECT_TRUE(plain.contains(line3));
    EXPECT_EQ(plain.count("\r\n"), 10);
    EXPECT_EQ(score_texts::player_line(t, 2), u("貴方は3位 ゆき     1200点 12hit 3回のミス 80%"));
    EXPECT_EQ(score_texts::table_text(t, 2), score_texts::player_line(t, 2) + "\r\n\r\n" + plain);
}

struct Folder {
    QTemporaryDir dir;
    GamePaths paths = GamePaths::in_folder(dir.path());
    QString path = dir.path() + "/score.ini";
};

TEST(ScoreKeeper, ReloadTakesWhatAnotherCopyWroteAndKeepsMemoryOtherwise)
{
    Folder f;
    ScoreTable mine = falling_table();
    ScoreKeeper keeper(f.paths, mine);
    ASSERT_TRUE(keeper.save(nullptr));
    ScoreTable theirs = falling_table();
    theirs[0] = entry("other ", 5000, 50, 0, 100);
    ASSERT_TRUE(platform::write_file_atomically(f.path, score_file::serialize(theirs)));
    keeper.reload();
    EXPECT_EQ(mine[0], theirs[0]);

    // A short file or none: the table in memory stays.
    ASSERT_TRUE(platform::write_file_atomically(f.path, score_file::serialize(falling_table()).left(100)));
    keeper.reload();
    EXPECT_EQ(mine[0], theirs[0]);
    QFile::remove(f.path);
    keeper.reload();
    EXPECT_EQ(mine[0], theirs[0]);
    // A pipe in its place is not read (reading would wait for a writer forever).
    ASSERT_EQ(mkfifo(f.path.toLocal8Bit().constData(), 0600), 0);
    keeper.reload();
    EXPECT_EQ(mine[0], theirs[0]);
}

TEST(ScoreKeeper, SaveWritesTheTenEntriesByteForByte)
{
    Folder f;
    ScoreTable t = falling_table();
    t[10] = entry("", 1750, 12, 3, 80);
    score_rules::enter_candidate(t, 3, u("ゆき    "));
    ScoreKeeper keeper(f.paths, t);
    QString error;
    ASSERT_TRUE(keeper.save(&error)) << error.toStdString();
    QByteArray bytes;
    ASSERT_TRUE(platform::read_whole_file(f.path, &bytes));
    ASSERT_EQ(bytes.size(), 589);
    const int name_at = 5 * 3 * 12; // entry 3, record 16
    EXPECT_EQ(bytes.mid(name_at, 8), QByteArray::fromHex("82e482ab20202020")); // ゆき and four blanks
    EXPECT_EQ(bytes.mid(name_at + 12, 2), QByteArray::fromHex("d606"));     // 1750, little-endian
    EXPECT_EQ(bytes.at(name_at + 24), char(12));
    EXPECT_EQ(bytes.at(name_at + 36), char(3));
    EXPECT_EQ(bytes.at(name_at + 48), char(80));
    // The old fourth is the fifth now.
    EXPECT_EQ(bytes.mid(5 * 4 * 12 + 12, 2), QByteArray::fromHex("a406")); // 1700

    // A file that cannot be written: false, with a reason, and memory untouched.
    QFile::remove(f.path);
    ASSERT_TRUE(QDir().mkpath(f.path));
    EXPECT_FALSE(keeper.save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(t[3].name, u("ゆき    "));
}

} // namespace
