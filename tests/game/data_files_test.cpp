#include "game/data/config_file.h"
#include "game/data/data_files.h"
#include "game/data/comment_file.h"
#include "game/data/score_file.h"
#include "platform/files/atomic_file.h"
#include "platform/text/text_codec.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

void PrintTo(const ScoreEntry& e, std::ostream* os)
{
    *os << '"' << e.name.toStdString() << "\" " << e.score << ' ' << int(e.hits) << ' ' << int(e.misses) << ' '
        << int(e.hit_rate);
}

void PrintTo(const GameSettings& s, std::ostream* os)
{
    *os << s.mipo_interval << '/' << s.hazure_interval << '/' << int(s.hazure_rate) << '/' << int(s.buki_no);
}

namespace {

QByteArray file_bytes(const QString& path)
{
    QByteArray b;
    platform::read_whole_file(path, &b);
    return b;
}

void write(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(platform::write_file_atomically(path, bytes));
}

// A folder with the two comment files, as a first run finds it.
struct FirstRunFolder {
    QTemporaryDir dir;
    GamePaths paths = GamePaths::in_folder(dir.path());
    FirstRunFolder()
    {
        write(paths.app_dir + "hitc.csv", platform::encode_cp932(QString::fromUtf8("きゅ～,いたい\r\nやった\r\n")));
        write(paths.app_dir + "missc.csv", platform::encode_cp932(QString::fromUtf8("\"はずれ,だよ\"\r\n")));
    }
};

} // namespace

TEST(ConfigFile, ExactBytesOfTheFourSettings)
{
    EXPECT_EQ(config_file::serialize({100, 300, 20, 1}), QByteArray::fromHex("64002c01140001"));
    EXPECT_EQ(config_file::serialize({-1, 32767, 0, 2}), QByteArray::fromHex("ffffff7f000002"));
}

TEST(ConfigFile, ReaderIgnoresPaddingAndMissingTrailingPad)
{
    const GameSettings expected{100, 300, 20, 1};
    EXPECT_EQ(config_file::parse(QByteArray::fromHex("64002c011400" "01")), expected);
    EXPECT_EQ(config_file::parse(QByteArray::fromHex("64002c0114ff" "01")), expected);
    EXPECT_EQ(config_file::parse(QByteArray::fromHex("64002c0114ff" "01ee")), expected);
}

TEST(ConfigFile, ShortFileKeepsDefaultsForWhatItLacks)
{
    EXPECT_EQ(config_file::parse({}), GameSettings{});
    EXPECT_EQ(config_file::parse(QByteArray::fromHex("3200")), (GameSettings{50, 300, 20, 0}));
    EXPECT_EQ(config_file::parse(QByteArray::fromHex("32003200")), (GameSettings{50, 50, 20, 0}));
    EXPECT_EQ(config_file::parse(QByteArray::fromHex("320032000a00")), (GameSettings{50, 50, 10, 0}));
    EXPECT_FALSE(config_file::is_complete(QByteArray::fromHex("320032000a00")));
    EXPECT_TRUE(config_file::is_complete(QByteArray::fromHex("320032000a0002")));
}

TEST(ConfigFile, ValuesAreBroughtIntoRangeTheWeaponKeptAsStored)
{
    const QByteArray bytes = QByteArray::fromHex("0000f0ffc80009");
    const GameSettings s = config_file::parse(bytes);
    EXPECT_EQ(s.mipo_interval, 1);
    EXPECT_EQ(s.hazure_interval, 1);
    EXPECT_EQ(s.hazure_rate, 100);
    EXPECT_EQ(s.buki_no, 9);
    EXPECT_EQ(config_file::serialize(s).at(6), char(9));
}

TEST(ScoreFile, LayoutOfRecordsAndLength)
{
    ScoreTable t;
    t[0] = {"abcdef", 1200, 12, 3, 80};
    t[9] = {QString::fromUtf8("ミポ    "), 999, 9, 9, 99};
    const QByteArray b = score_file::serialize(t);
    ASSERT_EQ(b.size(), score_file::kCompleteSize);
    EXPECT_EQ(b.size(), 589);
    EXPECT_EQ(b.mid(0, 12), QByteArray("abcdef").append(6, '\0'));
    EXPECT_EQ(b.mid(12, 2), QByteArray::fromHex("b004"));
    EXPECT_EQ(b[24], 12);
    EXPECT_EQ(b[36], 3);
    EXPECT_EQ(b[48], 80);
    EXPECT_EQ(b.mid(60, 6), QByteArray("      ")); // entry 1 blank
    const int e9 = 45 * 12;
    EXPECT_EQ(b.mid(e9, 8), QByteArray::fromHex("837e837c20202020"));
    EXPECT_EQ(b[e9 + 12], char(0xe7));
    EXPECT_EQ(static_cast<uint8_t>(b[588]), 99);
}

TEST(ScoreFile, RoundTripAndShortFileReadsBlankAndZero)
{
    ScoreTable t;
    for (int k = 0; k < 10; ++k)
        t[k] = {QString("n%1    ").arg(k).left(6), int16_t(1000 - 100 * k), uint8_t(k), uint8_t(9 - k), uint8_t(10 * k)};
    ScoreTable back;
    back[10] = {"cand  ", 5, 5, 5, 5};
    score_file::parse(score_file::serialize(t), back);
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(back[k], t[k]) << k;
    EXPECT_EQ(back[10].name, "cand  ");

    ScoreTable partial;
    score_file::parse(score_file::serialize(t).left(5 * 12 * 2), partial);
    EXPECT_EQ(partial[1], t[1]);
    EXPECT_EQ(partial[2], ScoreEntry{});
    EXPECT_EQ(partial[9].name, "      ");
}

TEST(ScoreFile, JapaneseNamesFitTheRecordWithoutSplittingACharacter)
{
    EXPECT_EQ(score_file::encode_name(QString::fromUtf8("ミポぽかん２")).size(), 12);
    const QByteArray mixed = score_file::encode_name(QString::fromUtf8("aミポぽかん"));
    EXPECT_EQ(mixed.size(), 11);
    EXPECT_EQ(score_file::decode_name(mixed), QString::fromUtf8("aミポぽかん"));
    EXPECT_EQ(score_file::encode_name("toolongname"), "toolon");
}

TEST(CommentFile, FieldsUpToCapacity)
{
    const QByteArray bytes = platform::encode_cp932(QString::fromUtf8("良い,とても良い\r\n\"良い,とても良い\"\r\n"));
    const QStringList items = comment_file::parse(bytes, 22);
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[2], QString::fromUtf8("良い,とても良い"));
    QByteArray many;
    for (int i = 0; i < 30; ++i)
        many += QByteArray::number(i) + "\r\n";
    EXPECT_EQ(comment_file::parse(many, comment_file::kMissComments).size(), 11);
}

TEST(ReadFiles, FirstRunCreatesBothFilesInTheirFormats)
{
    FirstRunFolder f;
    GameData data;
    const auto result = data_files::read_files(f.paths, data);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.write_failures.isEmpty());
    EXPECT_EQ(file_bytes(f.paths.app_dir + "config.csv"), QByteArray::fromHex("64002c01140000"));
    const QByteArray scores = file_bytes(f.paths.app_dir + "score.ini");
    EXPECT_EQ(scores.size(), 589);
    EXPECT_EQ(scores.left(6), "      ");
    EXPECT_EQ(data.settings, GameSettings{});
    EXPECT_EQ(data.score_table[0], ScoreEntry{});
    EXPECT_EQ(data.hit_comments[0], QString::fromUtf8("きゅ～"));
    EXPECT_EQ(data.hit_comments[2], QString::fromUtf8("やった"));
    EXPECT_EQ(data.miss_comments[0], QString::fromUtf8("はずれ,だよ"));
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files).size(), 4);
}

TEST(ReadFiles, ExistingFilesAreReadAndLeftAlone)
{
    FirstRunFolder f;
    ScoreTable t;
    t[0] = {"alice ", 2500, 25, 0, 100};
    const QByteArray score_bytes = score_file::serialize(t) + "trailing";
    write(f.paths.app_dir + "score.ini", score_bytes);
    write(f.paths.app_dir + "config.csv", QByteArray::fromHex("64002c0114ab01"));
    GameData data;
    data.hit_comments[21] = "kept";
    data_files::read_files(f.paths, data);
    EXPECT_EQ(data.score_table[0], t[0]);
    EXPECT_EQ(data.settings, (GameSettings{100, 300, 20, 1}));
    EXPECT_EQ(data.hit_comments[21], "kept"); // a short comment file leaves the rest
    EXPECT_EQ(file_bytes(f.paths.app_dir + "score.ini"), score_bytes);
    EXPECT_EQ(file_bytes(f.paths.app_dir + "config.csv"), QByteArray::fromHex("64002c0114ab01"));
}

TEST(ReadFiles, ShortConfigIsCompletedKeepingWhatItHad)
{
    FirstRunFolder f;
    write(f.paths.app_dir + "config.csv", QByteArray::fromHex("c800"));
    GameData data;
    data_files::read_files(f.paths, data);
    EXPECT_EQ(data.settings.mipo_interval, 200);
    EXPECT_EQ(file_bytes(f.paths.app_dir + "config.csv"), QByteArray::fromHex("c8002c01140000"));
}

TEST(ReadFiles, MissingCommentFileIsNamed)
{
    FirstRunFolder f;
    QFile::remove(f.paths.app_dir + "missc.csv");
    GameData data;
    const auto result = data_files::read_files(f.paths, data);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.missing_file, f.paths.app_dir + "missc.csv");
}

TEST(ReadFiles, UnwritableFolderReportsAndStillGivesDefaults)
{
    // A program folder that is a path through a regular file cannot take new files,
    // whoever runs the test.
    QTemporaryDir dir;
    write(dir.filePath("blocker"), "x");
    const GamePaths paths = GamePaths::in_folder(dir.filePath("blocker"));
    GameData data;
    const auto result = data_files::read_files(paths, data);
    EXPECT_EQ(result.write_failures.size(), 2);
    EXPECT_EQ(data.settings, GameSettings{});
    EXPECT_FALSE(result.ok()); // the comment files are not there either
}
