#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/text_codec.h"
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

TEST(Cp932, UnencodableBecomesQuestionMarkAndBadBytesReplacement)
{
    EXPECT_EQ(encode_cp932(QString::fromUtf8("a😀b€")), QByteArray("a?b?"));
    const QString decoded = decode_cp932(QByteArray("ok\x81", 3));
    EXPECT_TRUE(decoded.startsWith("ok"));
    EXPECT_TRUE(decoded.contains(QChar(0xFFFD)));
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
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
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

TEST(ClockDifference, SurvivesTheWrap)
{
    EXPECT_EQ(Clock::elapsed(0xFFFFFFF0u, 0x10u), 0x20u);
    EXPECT_EQ(Clock::elapsed(1000u, 1999u), 999u);
}
