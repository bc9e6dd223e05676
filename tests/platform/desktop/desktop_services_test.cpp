#include "platform/desktop/recent_documents.h"
#include "platform/desktop/run_command.h"
#include "platform/desktop/system_info.h"
#include "platform/desktop/system_info_tool.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

void write(const QString& path, const QByteArray& bytes, QFile::Permissions perms = {})
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    if (perms)
        f.setPermissions(perms);
}

constexpr QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

} // namespace

TEST(SystemInfoMemory, FiguresFromMeminfoIn64Bits)
{
    // 24 GiB of RAM, 8 GiB of swap: every figure is above what 32 bits hold.
    const QByteArray meminfo = "MemTotal:       25165824 kB\n"
                               "MemFree:         1000000 kB\n"
                               "MemAvailable:   18874368 kB\n"
                               "SwapCached:            0 kB\n"
                               "SwapTotal:       8388608 kB\n"
                               "SwapFree:        4194304 kB\n";
    const MemoryStatus m = LinuxSystemInfo::parse_memory(meminfo, uint64_t(1) << 47, 300 * 1024 * 1024);
    EXPECT_EQ(m.total_physical, 25769803776ull);
    EXPECT_EQ(m.available_physical, 19327352832ull);
    EXPECT_EQ(m.memory_load, 25u); // 6 of 24 GiB in use
    EXPECT_EQ(m.total_page_file, 25769803776ull + 8589934592ull);
    EXPECT_EQ(m.available_page_file, 19327352832ull + 4294967296ull);
    EXPECT_EQ(m.total_virtual, 140737488355328ull);
    EXPECT_EQ(m.available_virtual, 140737488355328ull - 314572800ull);
}

TEST(SystemInfoMemory, OddInputGivesSaneFigures)
{
    // No MemAvailable (old kernels): free + buffers + cached. Load rounds down.
    const MemoryStatus old = LinuxSystemInfo::parse_memory(
        "MemTotal: 3000 kB\nMemFree: 1000 kB\nBuffers: 1 kB\nCached: 0 kB\n", 4096, 8192);
    EXPECT_EQ(old.available_physical, 1001u * 1024);
    EXPECT_EQ(old.memory_load, 66u);
    EXPECT_EQ(old.available_virtual, 0u) << "more mapped than the limit must not wrap";
    const MemoryStatus empty = LinuxSystemInfo::parse_memory("garbage\n", 0, 0);
    EXPECT_EQ(empty.memory_load, 0u);
    EXPECT_EQ(empty.total_physical, 0u);
}

TEST(SystemInfoLive, ReadsThisMachine)
{
    LinuxSystemInfo info;
    const MemoryStatus m = info.memory();
    EXPECT_GT(m.total_physical, 0u);
    EXPECT_LE(m.available_physical, m.total_physical);
    EXPECT_GE(m.total_page_file, m.total_physical);
    EXPECT_GT(m.total_virtual, m.available_virtual);
    EXPECT_LE(m.memory_load, 100u);

    const uint64_t first = info.uptime_ms();
    usleep(20000);
    EXPECT_GE(info.uptime_ms() - first, 20u);

    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(info.host_name(), QString::fromLocal8Bit(host));
    EXPECT_FALSE(info.user_name().isEmpty());
    const PlatformVersion v = info.version();
    EXPECT_EQ(v.platform, "Linux");
    EXPECT_GT(v.major, 0);
}

TEST(SystemInfoVersion, KernelReleaseSplitsIntoMajorMinorBuild)
{
    const PlatformVersion debian = LinuxSystemInfo::parse_release("Linux", "6.1.0-13-amd64");
    EXPECT_EQ(debian.platform, "Linux");
    EXPECT_EQ(debian.major, 6);
    EXPECT_EQ(debian.minor, 1);
    EXPECT_EQ(debian.build, 0u);
    const PlatformVersion custom = LinuxSystemInfo::parse_release("Linux", "5.15.167.4-microsoft-standard");
    EXPECT_EQ(custom.minor, 15);
    EXPECT_EQ(custom.build, 167u);
    EXPECT_EQ(LinuxSystemInfo::parse_release("Linux", "weird").major, 0);
}

TEST(RecentDocuments, ClearedListIsValidEmptyXbelReadableByTheUserOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("recently-used.xbel");
    write(path,
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\">\n"
          "  <bookmark href=\"file:///home/u/diary.txt\" added=\"2026-12-01T10:00:00Z\"/>\n</xbel>\n",
          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    ASSERT_EQ(RecentDocuments::clear(path), RecentDocuments::Outcome::Cleared);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_FALSE(bytes.contains("diary"));
    QXmlStreamReader xml(bytes);
    int elements = 0;
    QString root;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && elements++ == 0)
            root = xml.name().toString();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root, "xbel");
    EXPECT_EQ(elements, 1);
    struct stat st{};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"recently-used.xbel"});
}

// A list that is a link (to a FIFO, to a file, to nowhere) or no regular file at all is the
// user's own arrangement: it is left alone, its target untouched, and the caller is told so.
TEST(RecentDocuments, ALinkOrAnythingButARegularFileIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("recently-used.xbel");
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString kept = dir.filePath("kept.xbel");
    write(kept, "<xbel version=\"1.0\"><bookmark href=\"file:///x\"/></xbel>\n");

    const auto link_state = [&](const QString& target) {
        struct stat st{};
        return QString("%1 -> %2, target %3")
            .arg(QFileInfo(path).isSymLink())
            .arg(QFileInfo(path).symLinkTarget())
            .arg(lstat(QFile::encodeName(target).constData(), &st) != 0 ? "missing"
                 : S_ISFIFO(st.st_mode)                                   ? "fifo"
                 : S_ISREG(st.st_mode)                                    ? "file"
                                                                          : "other")
            .toStdString();
    };
    for (const QString& target : {fifo, kept, dir.filePath("nowhere.xbel")}) {
        SCOPED_TRACE(target.toStdString());
        ASSERT_TRUE(QFile::link(target, path));
        const std::string before = link_state(target);
        EXPECT_EQ(RecentDocuments::clear(path), RecentDocuments::Outcome::LeftAlone);
        EXPECT_EQ(link_state(target), before);
        ASSERT_TRUE(QFile::remove(path));
    }
    QFile k(kept);
    ASSERT_TRUE(k.open(QIODevice::ReadOnly));
    EXPECT_TRUE(k.readAll().contains("bookmark"));

    // The list itself a FIFO or a folder.
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(RecentDocuments::clear(path), RecentDocuments::Outcome::LeftAlone);
    EXPECT_EQ(link_state(path), "0 -> , target fifo");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    EXPECT_EQ(RecentDocuments::clear(path), RecentDocuments::Outcome::LeftAlone);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"fifo", "kept.xbel", "recently-used.xbel"}));
}

TEST(RecentDocuments, NoListNothingToDoAndDefaultPathFollowsXdg)
{
    QTemporaryDir dir;
    EXPECT_EQ(RecentDocuments::clear(dir.filePath("recently-used.xbel")), RecentDocuments::Outcome::NoList);
    EXPECT_EQ(RecentDocuments::clear(dir.filePath("no folder/recently-used.xbel")), RecentDocuments::Outcome::NoList);
    EXPECT_FALSE(QFile::exists(dir.filePath("recently-used.xbel")));
    EXPECT_EQ(RecentDocuments::default_path(), qEnvironmentVariable("XDG_DATA_HOME") + "/recently-used.xbel");
}

TEST(SystemInfoTool, FirstKnownToolOnPathElseNothing)
{
    QTemporaryDir a, b;
    PathSystemInfoTool none(a.path() + ":" + b.path());
    EXPECT_FALSE(none.find().has_value());
    EXPECT_EQ(SystemInfoTool::not_available_text(), QString::fromUtf8("現時点ではｼｽﾃﾑ情報を使用できません"));

    write(b.filePath("hardinfo"), "#!/bin/sh\n", kExecutable);
    write(a.filePath("kinfocenter"), "not executable\n", QFile::ReadOwner);
    const auto found = PathSystemInfoTool(a.path() + ":" + b.path()).find();
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->program, b.filePath("hardinfo")) << "a file that cannot run is no tool";

    write(b.filePath("gnome-control-center"), "#!/bin/sh\n", kExecutable);
    const auto gnome = PathSystemInfoTool("relative/dir:" + b.path()).find();
    ASSERT_TRUE(gnome.has_value());
    EXPECT_EQ(gnome->program, b.filePath("gnome-control-center"));
    EXPECT_EQ(gnome->arguments, QStringList{"info-overview"});
}

TEST(RunCommand, AddressesAndPathsOpenOtherTextStartsWithoutAShell)
{
    QTemporaryDir dir;
    write(dir.filePath("a tool"), "#!/bin/sh\n", kExecutable);
    write(dir.filePath("notes.txt"), "x");

    auto open = RunCommand::parse("  https://example.org/a b  ");
    EXPECT_EQ(open.kind, RunCommand::Kind::Open);
    EXPECT_EQ(open.target, "https://example.org/a b");
    EXPECT_EQ(RunCommand::parse("www.example.org").target, "http://www.example.org");
    EXPECT_EQ(RunCommand::parse("mailto:mipo@example.org").kind, RunCommand::Kind::Open);

    auto doc = RunCommand::parse(dir.filePath("notes.txt"));
    EXPECT_EQ(doc.kind, RunCommand::Kind::Open);
    EXPECT_EQ(RunCommand::parse(dir.path()).kind, RunCommand::Kind::Open);
    auto tool = RunCommand::parse(dir.filePath("a tool"));
    EXPECT_EQ(tool.kind, RunCommand::Kind::Start) << "an executable path with a blank is one program";
    EXPECT_EQ(tool.program, dir.filePath("a tool"));
    EXPECT_TRUE(tool.arguments.isEmpty());

    auto cmd = RunCommand::parse("echo 'two words' $HOME; rm -rf x | y");
    EXPECT_EQ(cmd.kind, RunCommand::Kind::Start);
    EXPECT_EQ(cmd.program, "echo");
    EXPECT_EQ(cmd.arguments, (QStringList{"two words", "$HOME;", "rm", "-rf", "x", "|", "y"}))
        << "no shell: variables, ; and | stay plain words";
    EXPECT_EQ(RunCommand::parse("~/bin/x -v").program, QDir::homePath() + "/bin/x");
    EXPECT_EQ(RunCommand::parse("   ").kind, RunCommand::Kind::Nothing);
}

TEST(RunCommand, WordsSplitLikeAShellWithoutExpanding)
{
    EXPECT_EQ(RunCommand::split_words(R"(a "b c" 'd "e"' f\ g "h\"i" '' x)"),
              (QStringList{"a", "b c", "d \"e\"", "f g", "h\"i", "", "x"}));
    EXPECT_EQ(RunCommand::split_words("  unterminated 'quote here"), (QStringList{"unterminated", "quote here"}));
}
