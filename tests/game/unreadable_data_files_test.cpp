// "score.ini" and "config.csv" that are there but cannot be read, and ones far
// longer than their format: kept as they are, reported, defaults in memory.
#include "game/data/data_files.h"
#include "game/data/score_file.h"
#include "as_nobody_gtest.h"
#include "platform/files/atomic_file.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Folder {
    QTemporaryDir dir;
    GamePaths paths = GamePaths::in_folder(dir.path());
    QString score = paths.app_dir + "score.ini";
    QString config = paths.app_dir + "config.csv";
    Folder()
    {
        platform::write_file_atomically(paths.app_dir + "hitc.csv", "a\r\n");
        platform::write_file_atomically(paths.app_dir + "missc.csv", "b\r\n");
    }
};

// Settings and a table that differ from the defaults, so that keeping them shows.
GameData non_default_data()
{
    GameData data;
    data.settings = {999, 888, 77, 2};
    data.score_table[0] = {"bob   ", 1200, 12, 3, 80};
    return data;
}

long peak_memory_kib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Makes `path` into something that exists but is no readable regular file.
using Maker = bool (*)(const QString& path);

bool link_to_device(const QString& path) { return QFile::link("/dev/zero", path); }
bool link_to_nowhere(const QString& path) { return QFile::link(path + ".gone", path); }
bool folder(const QString& path) { return QDir().mkdir(path); }
bool make_pipe(const QString& path) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

void expect_kept_and_reported(Maker make)
{
    for (const bool score_side : {true, false}) {
        Folder f;
        const QString path = score_side ? f.score : f.config;
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(make(path));
        const QFileInfo before(path);
        GameData data = non_default_data();
        const auto result = data_files::read_files(f.paths, data);

        EXPECT_TRUE(result.ok());
        ASSERT_EQ(result.read_failures.size(), 1);
        EXPECT_TRUE(result.read_failures[0].startsWith(path)) << result.read_failures[0].toStdString();
        EXPECT_TRUE(result.write_failures.isEmpty()) << result.write_failures.join(' ').toStdString();
        if (score_side)
            EXPECT_EQ(data.score_table[0], ScoreEntry{});
        else
            EXPECT_EQ(data.settings, GameSettings{});

        // Later saves do not write over it either.
        QString error;
        EXPECT_FALSE(score_side ? data_files::write_scores(f.paths, data.score_table, &error)
                                : data_files::write_config(f.paths, data.settings, &error));
        EXPECT_FALSE(error.isEmpty());
        const QFileInfo after(path);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.isFile(), before.isFile());
        EXPECT_EQ(after.symLinkTarget(), before.symLinkTarget());
        EXPECT_FALSE(QFile::exists(path + ".gone"));
    }
}

} // namespace

TEST(UnreadableDataFiles, LinksToADeviceOrToNothingAreKept)
{
    expect_kept_and_reported(link_to_device);
    expect_kept_and_reported(link_to_nowhere);
}

TEST(UnreadableDataFiles, FoldersAreKept)
{
    expect_kept_and_reported(folder);
}

TEST(UnreadableDataFiles, PipesAreNeitherWaitedOnNorKept)
{
    expect_kept_and_reported(make_pipe);
}

TEST(UnreadableDataFiles, FilesWeMayNotReadAreKeptByteForByte)
{
    if (geteuid() == 0) { // root reads every file: the case runs as a user who may not
        expect_passes_as_nobody();
        return;
    }
    Folder f;
    ScoreTable table;
    table[0] = {"alice ", 2500, 25, 0, 100};
    const QByteArray scores = score_file::serialize(table);
    ASSERT_TRUE(platform::write_file_atomically(f.score, scores));
    ASSERT_EQ(chmod(QFile::encodeName(f.score).constData(), 0200), 0);
    GameData data = non_default_data();
    const auto result = data_files::read_files(f.paths, data);
    ASSERT_EQ(result.read_failures.size(), 1);
    EXPECT_TRUE(result.read_failures[0].contains("score.ini"));
    EXPECT_EQ(data.score_table[0], ScoreEntry{});
    ASSERT_EQ(chmod(QFile::encodeName(f.score).constData(), 0600), 0);
    QByteArray now;
    ASSERT_TRUE(platform::read_whole_file(f.score, &now));
    EXPECT_EQ(now, scores);
}

TEST(UnreadableDataFiles, HugeFilesAreReadOnlyAsFarAsTheFormatGoes)
{
    constexpr qint64 kHuge = 300LL * 1024 * 1024;
    Folder f;
    ScoreTable table;
    table[9] = {"last  ", 100, 1, 9, 10};
    for (const auto& [path, head] : {std::pair{f.score, score_file::serialize(table)},
                                     std::pair{f.config, QByteArray::fromHex("c8009001320001")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(head), head.size());
        ASSERT_TRUE(file.resize(kHuge)); // sparse: takes no room on disk
    }
    const long before = peak_memory_kib();
    GameData data;
    const auto result = data_files::read_files(f.paths, data);
    const long grown_mib = (peak_memory_kib() - before) / 1024;
    EXPECT_LT(grown_mib, 32) << "reading took " << grown_mib << " MiB";
    EXPECT_TRUE(result.read_failures.isEmpty());
    EXPECT_TRUE(result.write_failures.isEmpty());
    EXPECT_EQ(data.score_table[9], table[9]);
    EXPECT_EQ(data.settings, (GameSettings{200, 400, 50, 1}));
    EXPECT_EQ(QFileInfo(f.score).size(), kHuge);
    EXPECT_EQ(QFileInfo(f.config).size(), kHuge);
}
