#include "as_nobody_gtest.h"
#include "platform/files/atomic_file.h"
#include "platform/clock.h"
#include "platform/files/regular_file.h"
#include "platform/text/text_codec.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;

TEST(Cp932, RoundTripsJapaneseAndWindowsExtensions)
{
    const QString text = QString::fromUtf8("帰っちゃうの？うきゅ～う ﾊﾞｰｼﾞｮﾝ ①");
    const QByteArray bytes = encode_cp932(text);
    EXPECT_EQ(decode_cp932(bytes), text);
    EXPECT_EQ(encode_cp932(QString::fromUtf8("～")), QByteArray::fromHex("8160"));
    EXPECT_EQ(encode_cp932(QString::fromUtf8("ミポ")), QByteArray::fromHex("837e837c"));
}

TEST(Cp932, UnencodableBecomesQuestionMarkAndIsReported)
{
    QString lost;
    EXPECT_EQ(encode_cp932(QString::fromUtf8("a😀b€c"), &lost), QByteArray("a?b?c"));
    EXPECT_EQ(lost, QString::fromUtf8("😀€"));
    lost = "stale";
    EXPECT_EQ(encode_cp932(QString::fromUtf8("日記"), &lost), QByteArray::fromHex("93fa8b4c"));
    EXPECT_EQ(lost, QString());
    // Wherever the pairs of an emoji fall.
    const std::pair<const char*, QByteArray> cases[] = {{"😀x", "?x"},
                                                        {"x😀", "x?"},
                                                        {"😀😀x", "??x"},
                                                        {"x😀😀", "x??"},
                                                        {"日😀記😀😀", QByteArray::fromHex("93fa3f8b4c3f3f")}};
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(encode_cp932(QString::fromUtf8(text), &lost), bytes) << text;
        EXPECT_EQ(lost, QString::fromUtf8("😀").repeated(bytes.count('?'))) << text;
    }
    // A lone surrogate has no form anywhere.
    EXPECT_EQ(encode_cp932(QString(QChar(0xD800)) + "x", &lost), QByteArray("?x"));
    EXPECT_EQ(lost.size(), 1);
}

TEST(Cp932, BadBytesBecomeReplacementWhereTheyStand)
{
    EXPECT_EQ(decode_cp932(QByteArray("ok\x81", 3)), QString("ok") + QChar(0xFFFD)); // cut-off lead byte
    EXPECT_EQ(decode_cp932(QByteArray("\xa0z", 2)), QString(QChar(0xFFFD)) + "z");
    EXPECT_EQ(decode_cp932(QByteArray("a\x81\x7f" "b", 4)), QString("a") + QChar(0xFFFD) + QChar(0x7F) + "b");
    EXPECT_EQ(decode_cp932(QByteArray("\x81\x1a", 2)), QString(QChar(0xFFFD)) + QChar(0x1A));
}

TEST(Cp932, BytesBelow0x80AreAsciiBothWays)
{
    QByteArray all;
    QString ascii;
    for (int b = 0; b < 0x80; ++b) {
        all += char(b);
        ascii += QChar(b);
    }
    EXPECT_EQ(decode_cp932(all), ascii);
    EXPECT_EQ(encode_cp932(ascii), all);
    // The three that the code page table moves about, between Japanese text.
    const QByteArray mixed = QByteArray::fromHex("93fa1a8b4c1c837e7f837c");
    EXPECT_EQ(decode_cp932(mixed), QString::fromUtf8("日\x1a記\x1cミ\x7fポ"));
    EXPECT_EQ(encode_cp932(decode_cp932(mixed)), mixed);
}

TEST(Cp932, CharactersOfLinuxInputGetTheirWindowsCodes)
{
    // 〜 − ‖ ¢ £ ¬ — as input methods and pasted text give them.
    const QString linux_forms = QString::fromUtf8("\u301c\u2212\u2016\u00a2\u00a3\u00ac\u2014");
    QString lost;
    EXPECT_EQ(encode_cp932(linux_forms, &lost), QByteArray::fromHex("8160817c81618191819281ca815c"));
    EXPECT_TRUE(lost.isEmpty());
    // The Windows forms are what a file gives back.
    EXPECT_EQ(encode_cp932(QString::fromUtf8("\uff5e\uff0d\u2225\uffe0\uffe1\uffe2\u2015")),
              QByteArray::fromHex("8160817c81618191819281ca815c"));
}

TEST(AtomicFile, ReplacesWholeAndLeavesNoTemporaries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("config.csv");
    ASSERT_TRUE(write_file_atomically(path, "first"));
    ASSERT_TRUE(write_file_atomically(path, QByteArray::fromHex("64002c01140001")));
    QByteArray back;
    ASSERT_TRUE(read_whole_file(path, &back));
    EXPECT_EQ(back, QByteArray::fromHex("64002c01140001"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"config.csv"}));
}

TEST(AtomicFile, ReadOnlyFolderFailsWithReasonAndKeepsOldFile)
{
    if (geteuid() == 0) { // root ignores folder permissions: the case runs as a user who may not
        expect_passes_as_nobody();
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("score.ini");
    ASSERT_TRUE(write_file_atomically(path, "old"));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QString error;
    EXPECT_FALSE(write_file_atomically(path, "new", &error));
    EXPECT_FALSE(error.isEmpty());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QByteArray back;
    ASSERT_TRUE(read_whole_file(path, &back));
    EXPECT_EQ(back, "old");
}

TEST(AtomicFile, MissingFolderFails)
{
    QString error;
    EXPECT_FALSE(write_file_atomically("/nonexistent-folder-xyz/file", "x", &error));
    EXPECT_FALSE(error.isEmpty());
    QByteArray back;
    EXPECT_FALSE(read_whole_file("/nonexistent-folder-xyz/file", &back));
}

TEST(RegularFile, ReadsFilesAndRefusesEverythingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("diary.txt");
    ASSERT_TRUE(write_file_atomically(path, "a\r\nb"));
    QByteArray bytes;
    QString error;
    ASSERT_TRUE(read_regular_file(path, &bytes, &error));
    EXPECT_EQ(bytes, "a\r\nb");
    ASSERT_TRUE(QFile::link(path, dir.filePath("link.txt")));
    EXPECT_TRUE(read_regular_file(dir.filePath("link.txt"), &bytes));
    EXPECT_EQ(bytes, "a\r\nb");

    for (const QString& other : {dir.path(), QString("/dev/zero"), dir.filePath("missing.txt")}) {
        bytes = "kept";
        error.clear();
        EXPECT_FALSE(read_regular_file(other, &bytes, &error)) << other.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(bytes, "kept");
        EXPECT_EQ(read_regular_file(other, 100, &bytes), BoundedRead::Unreadable) << other.toStdString();
        EXPECT_EQ(bytes, "kept");
    }

    // Bounded: up to the bound it reads, beyond it reads nothing.
    EXPECT_EQ(read_regular_file(path, 4, &bytes), BoundedRead::Read);
    EXPECT_EQ(bytes, "a\r\nb");
    EXPECT_EQ(read_regular_file(path, 3, &bytes, &error), BoundedRead::TooLarge);
    EXPECT_EQ(bytes, "a\r\nb");
    EXPECT_FALSE(error.isEmpty());
}

TEST(ClockDifference, SurvivesTheWrap)
{
    EXPECT_EQ(Clock::elapsed(0xFFFFFFF0u, 0x10u), 0x20u);
    EXPECT_EQ(Clock::elapsed(1000u, 1999u), 999u);
}
