// The dialogs' rules without a screen: settings checks, the reset table, help
// paging, skins, the icon walk, the screen saver, the history text, the system
// information button and the folder reader.
#include "game/data/config_file.h"
#include "game/dialogs/help_pages.h"
#include "game/dialogs/history_file.h"
#include "game/dialogs/icon_wander.h"
#include "game/dialogs/screen_saver_steps.h"
#include "game/dialogs/settings_rules.h"
#include "game/dialogs/skin_loader.h"
#include "game/dialogs/sys_info_start.h"
#include "game/data/score_file.h"
#include "platform/desktop/drive_list.h"
#include "platform/desktop/fake_system_info_tool.h"
#include "platform/ui/scripted_prompt.h"
#include "platform/scripted_random.h"
#include "platform/text/text_codec.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using settings_rules::Outcome;

namespace {

Outcome check(const char* mipo, const char* miss, const char* rate, GameSettings current = {})
{
    return settings_rules::check({QString::fromUtf8(mipo), QString::fromUtf8(miss), QString::fromUtf8(rate)},
                                 current);
}

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A 50 x 50 bitmap of one colour.
void write_picture(const QString& path, QRgb colour)
{
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "BMP"));
}

void write_skin(const QString& dir, bool upper_case = false)
{
    int n = 0;
    for (const auto& file : SkinLoader::kSkinFiles) {
        const QString name = QString::fromLatin1(file.name);
        write_picture(QDir(dir).filePath(upper_case ? name.toUpper() : name), qRgb(10 * ++n, 0, 0));
    }
}

} // namespace

TEST(SettingsCheck, FieldsAreCheckedInOrderWithTheirOwnMessages)
{
    EXPECT_EQ(check("0", "0", "101").message, settings_rules::kMipoMessage);
    EXPECT_EQ(check("100", "0", "101").message, settings_rules::kMissMessage);
    EXPECT_EQ(check("100", "300", "101").message, settings_rules::kRateMessage);
    EXPECT_EQ(check("100", "300", "101").kind, Outcome::Kind::Refused);
    // A refusal changes nothing, the weapon included.
    GameSettings current;
    current.buki_no = 2;
    EXPECT_EQ(check("32768", "1", "0", current).settings, current);
}

TEST(SettingsCheck, BoundsAreInclusive)
{
    const Outcome top = check("32767", "1", "100");
    ASSERT_EQ(top.kind, Outcome::Kind::Accepted);
    EXPECT_EQ(top.settings.mipo_interval, 32767);
    EXPECT_EQ(top.settings.hazure_interval, 1);
    EXPECT_EQ(top.settings.hazure_rate, 100);
    EXPECT_EQ(check("32768", "300", "20").kind, Outcome::Kind::Refused);
    EXPECT_EQ(check("100", "32768", "20").message, settings_rules::kMissMessage);
    EXPECT_EQ(check("100", "300", "0").settings.hazure_rate, 0);
    EXPECT_EQ(check("100", "300", "-1").message, settings_rules::kRateMessage);
    EXPECT_EQ(check("-5", "300", "20").message, settings_rules::kMipoMessage);
}

TEST(SettingsCheck, TheTypedValueIsCheckedThenRoundedHalvesToEven)
{
    // 0.3 and 0.5 lie above 0 but would be stored as 0: refused.
    EXPECT_EQ(check("0.3", "300", "20").message, settings_rules::kMipoMessage);
    EXPECT_EQ(check("100", "0.5", "20").message, settings_rules::kMissMessage);
    EXPECT_EQ(check("1.5", "2.5", "20").settings.mipo_interval, 2);
    EXPECT_EQ(check("1.5", "2.5", "20").settings.hazure_interval, 2);
    EXPECT_EQ(check("100", "300", "0.4").settings.hazure_rate, 0);
    EXPECT_EQ(check("100", "300", "99.5").settings.hazure_rate, 100);
    // Past the top before rounding: refused, however close.
    EXPECT_EQ(check("32767.4", "300", "20").message, settings_rules::kMipoMessage);
    EXPECT_EQ(check("100", "32767.01", "20").message, settings_rules::kMissMessage);
    EXPECT_EQ(check("100", "300", "100.4").message, settings_rules::kRateMessage);
    EXPECT_EQ(check("100", "300", "100.5").message, settings_rules::kRateMessage);
    EXPECT_EQ(check("100", "300", "-0.4").message, settings_rules::kRateMessage);
    EXPECT_EQ(check("32766.5", "300", "20").settings.mipo_interval, 32766);
}

TEST(SettingsCheck, OnlyPlainDecimalsAreNumbers)
{
    for (const char* bad : {"", " ", "abc", "12abc", "1e3", "0x10", "1,000", "１２", "--1", "1..2", "inf", "nan"})
        EXPECT_EQ(check(bad, "300", "20").message, settings_rules::kMipoMessage) << bad;
    EXPECT_EQ(check("100", "", "20").message, settings_rules::kMissMessage);
    EXPECT_EQ(check("100", "300", "x").message, settings_rules::kRateMessage);
    EXPECT_EQ(check(" 150 ", "+300", ".5e", {}).message, settings_rules::kRateMessage);
    EXPECT_EQ(check(" 150 ", "+300", ".6").settings.hazure_rate, 1);
    EXPECT_EQ(check("99999999999999999999999", "300", "20").message, settings_rules::kMipoMessage);
    EXPECT_FALSE(settings_rules::plain_decimal(QString(100, QLatin1Char('1'))));
}

TEST(SettingsCheck, UnchangedValuesAreNotStoredAgain)
{
    GameSettings current;
    current.buki_no = 1;
    EXPECT_EQ(check("100", "300", "20", current).kind, Outcome::Kind::Unchanged);
    EXPECT_EQ(check("100.0", "300", " 20", current).kind, Outcome::Kind::Unchanged);
    const Outcome changed = check("150", "300", "20", current);
    ASSERT_EQ(changed.kind, Outcome::Kind::Accepted);
    EXPECT_EQ(changed.settings.buki_no, 1); // the weapon goes back into the file as it was
    EXPECT_EQ(config_file::serialize(changed.settings), QByteArray::fromHex("96002c01140001"));
}

TEST(SettingsCheck, TheBoxesShowPlainDecimals)
{
    GameSettings s{32767, 1, 0, 2};
    const settings_rules::Texts t = settings_rules::texts_of(s);
    EXPECT_EQ(t.mipo, "32767");
    EXPECT_EQ(t.miss, "1");
    EXPECT_EQ(t.rate, "0");
}

TEST(ScoreReset, TenLinesOfMipoAndTheCandidateKept)
{
    ScoreTable table;
    table[10].score = 1234;
    settings_rules::fill_initial_table(table);
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(table[n].name, QString::fromUtf8("ミポ    "));
        EXPECT_EQ(table[n].score, 999);
        EXPECT_EQ(table[n].hits, 9);
        EXPECT_EQ(table[n].misses, 9);
        EXPECT_EQ(table[n].hit_rate, 99);
    }
    EXPECT_EQ(table[10].score, 1234);
    const QByteArray bytes = score_file::serialize(table);
    ASSERT_EQ(bytes.size(), score_file::kCompleteSize);
    // The first record: "ミポ" in CP932, then blanks.
    EXPECT_EQ(bytes.left(8), platform::encode_cp932(QString::fromUtf8("ミポ    ")));
}

TEST(HelpPages, BothArrowsWrap)
{
    HelpPages pages;
    EXPECT_EQ(pages.counter(), "0 / 8");
    pages.back();
    EXPECT_EQ(pages.page_index(), 8);
    EXPECT_EQ(pages.counter(), "8 / 8");
    pages.next();
    EXPECT_EQ(pages.page_index(), 0);
    for (int i = 0; i < 9; ++i)
        pages.next();
    EXPECT_EQ(pages.page_index(), 0);
    pages.next();
    pages.next();
    pages.reset();
    EXPECT_EQ(pages.page_index(), 0);
}

TEST(HelpPages, TextsAndTheBand)
{
    EXPECT_EQ(HelpPages::text(0), QString::fromUtf8("ミポぽかん｡2000ヘルプ\r\n右の三角形で次のページ,前のページへ移動します｡"));
    EXPECT_TRUE(HelpPages::text(8).endsWith(QString::fromUtf8("●●● 123\r\nにキーが穴に相当します。")));
    EXPECT_EQ(HelpPages::text(4).count(QStringLiteral("\r\n")), 4);
    EXPECT_TRUE(HelpPages::text(9).isEmpty());
    EXPECT_EQ(HelpPages::band_colour(1), qRgb(254, 254, 255));
    EXPECT_EQ(HelpPages::band_colour(200), qRgb(85, 51, 255));
    EXPECT_EQ(HelpPages::band_colour(150), qRgb(128, 102, 255)); // 127.5 -> 128, 102 exactly
    EXPECT_NEAR(HelpPages::band_x(1), 267.33, 0.01);
    EXPECT_DOUBLE_EQ(HelpPages::band_x(200), 400.0);
}

TEST(SkinLoader, AllTenOrNone)
{
    QTemporaryDir dir;
    write_skin(dir.path());
    const SkinLoader::Skin skin = SkinLoader::load(dir.path());
    ASSERT_TRUE(skin.complete());
    EXPECT_EQ(skin.pictures[3].pixel(0, 0), qRgb(40, 0, 0)); // mipo33.bmp, the fourth
    EXPECT_TRUE(SkinLoader::probe(dir.path()).found());

    // One picture short (not a probe): nothing, and the file named.
    QFile::remove(dir.filePath("hazure_m.bmp"));
    EXPECT_TRUE(SkinLoader::probe(dir.path()).found());
    SkinLoader::Skin partial = SkinLoader::load(dir.path());
    EXPECT_EQ(partial.missing, "hazure_m.bmp");
    for (const QImage& picture : partial.pictures)
        EXPECT_TRUE(picture.isNull());

    // A file that is no picture counts as missing.
    write_file(dir.filePath("hazure_m.bmp"), "not a bitmap");
    EXPECT_EQ(SkinLoader::load(dir.path()).missing, "hazure_m.bmp");
    EXPECT_EQ(SkinLoader::load(dir.filePath("nowhere")).missing, "ana3.bmp");
}

TEST(SkinLoader, AProbeNeedsBothPictures)
{
    QTemporaryDir dir;
    write_picture(dir.filePath("mipo33.bmp"), qRgb(1, 2, 3));
    SkinLoader::Probe probe = SkinLoader::probe(dir.path());
    EXPECT_FALSE(probe.found());
    EXPECT_FALSE(probe.seal.isNull());
    write_picture(dir.filePath("hazure34.bmp"), qRgb(1, 2, 3));
    EXPECT_TRUE(SkinLoader::probe(dir.path()).found());
}

TEST(SkinLoader, NamesMatchIgnoringAsciiCaseExactFirst)
{
    QTemporaryDir dir;
    write_skin(dir.path(), true);
    EXPECT_TRUE(SkinLoader::load(dir.path()).complete());
    EXPECT_EQ(SkinLoader::find_file(dir.path(), "Mipo33.Bmp"), dir.filePath("MIPO33.BMP"));
    write_picture(dir.filePath("mipo33.bmp"), qRgb(9, 9, 9));
    EXPECT_EQ(SkinLoader::find_file(dir.path(), "mipo33.bmp"), dir.filePath("mipo33.bmp"));
    // Only ASCII letters fold: a look-alike does not match.
    write_file(dir.filePath(QString::fromUtf8("ＡＮＡ3.bmp")), "x");
    EXPECT_EQ(SkinLoader::find_file(dir.path(), QString::fromUtf8("ana3.bmp")), dir.filePath("ANA3.BMP"));
    EXPECT_EQ(SkinLoader::find_file(dir.path(), "none.bmp"), dir.filePath("none.bmp"));
}

// Pictures are regular files: a FIFO by a picture's name would wait for a writer for ever
// (the chooser froze), and a folder by the exact name does not hide the picture.
TEST(SkinLoader, OnlyRegularFilesArePictures)
{
    QTemporaryDir dir;
    write_skin(dir.path(), true);
    ASSERT_TRUE(QDir(dir.path()).mkdir("mipo33.bmp"));
    EXPECT_EQ(SkinLoader::find_file(dir.path(), "mipo33.bmp"), dir.filePath("MIPO33.BMP"));
    EXPECT_TRUE(SkinLoader::load(dir.path()).complete());
    EXPECT_TRUE(SkinLoader::probe(dir.path()).found());

    ASSERT_TRUE(QFile::remove(dir.filePath("HAZURE34.BMP")));
    const QByteArray fifo = QFile::encodeName(dir.filePath("hazure34.bmp"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    // Run where a hang can be ended: a writer that comes and goes releases a blocked reader.
    const auto without_hanging = [&](auto read) {
        auto result = std::async(std::launch::async, read);
        const bool hung = result.wait_for(std::chrono::seconds(3)) == std::future_status::timeout;
        while (result.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout)
            if (const int fd = open(fifo.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
                close(fd);
        EXPECT_FALSE(hung) << "waited on the FIFO";
        return result.get();
    };
    const SkinLoader::Probe probe = without_hanging([&] { return SkinLoader::probe(dir.path()); });
    EXPECT_FALSE(probe.seal.isNull());
    EXPECT_TRUE(probe.yeti.isNull());
    EXPECT_EQ(without_hanging([&] { return SkinLoader::load(dir.path()); }).missing, "hazure34.bmp");
}

TEST(IconWander, ThreeDirectionsHalvesToEven)
{
    using D = IconWander::Direction;
    EXPECT_EQ(IconWander::direction_for(0.0), D::Right);
    EXPECT_EQ(IconWander::direction_for(0.25), D::Right); // 0.5 rounds to 0
    EXPECT_EQ(IconWander::direction_for(0.26), D::RightDown);
    EXPECT_EQ(IconWander::direction_for(0.74), D::RightDown);
    EXPECT_EQ(IconWander::direction_for(0.75), D::Down); // 1.5 rounds to 2
    EXPECT_EQ(IconWander::direction_for(0.999), D::Down);
}

TEST(IconWander, OutAndBackToWhereItStarted)
{
    IconWander diagonal(IconWander::Direction::RightDown);
    EXPECT_TRUE(diagonal.advance(1000));
    EXPECT_EQ(diagonal.offset(), QPoint(1000, 1000));
    diagonal.advance(2001);
    EXPECT_EQ(diagonal.offset(), QPoint(3001, 3001));
    diagonal.advance(1);
    EXPECT_EQ(diagonal.offset(), QPoint(3000, 3000));
    EXPECT_FALSE(diagonal.advance(10000));
    EXPECT_TRUE(diagonal.finished());
    EXPECT_EQ(diagonal.offset(), QPoint(0, 0));

    IconWander down(IconWander::Direction::Down);
    down.advance(10);
    EXPECT_EQ(down.offset(), QPoint(0, 10));
    IconWander right(IconWander::Direction::Right);
    right.advance(3001 + 1);
    EXPECT_EQ(right.offset(), QPoint(3000, 0));
}

TEST(ScreenSaver, SevenNumbersATick)
{
    platform::ScriptedRandom random({0.005, 0.5, 0.25, 0.999, 0.0, 0.5, 0.999, /* next tick */ 0.01, 0, 0, 0, 0, 0, 0});
    const ScreenSaverStep s = ScreenSaverStep::next(random, QSize(1024, 768));
    EXPECT_TRUE(s.clear);
    EXPECT_EQ(s.centre, QPoint(548, 180)); // 0.5 x 15360 / 14, 0.25 x 11520 / 16
    EXPECT_EQ(s.radius, 99);
    EXPECT_EQ(s.colour, qRgb(0, 128, 255));
    EXPECT_FALSE(ScreenSaverStep::next(random, QSize(1024, 768)).clear); // 0.01 x 100 = 1
}

TEST(HistoryText, EveryLineEndsInCrLf)
{
    using history_file::with_crlf_lines;
    EXPECT_EQ(with_crlf_lines(""), "");
    EXPECT_EQ(with_crlf_lines("a"), "a\r\n");
    EXPECT_EQ(with_crlf_lines("a\r\nb"), "a\r\nb\r\n");
    EXPECT_EQ(with_crlf_lines("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(with_crlf_lines("a\rb\r\n\r\n"), "a\r\nb\r\n\r\n");

    QTemporaryDir dir;
    const QString path = dir.filePath(history_file::kFileName);
    const auto read = [](const QString& p) {
        const history_file::Text t = history_file::read(p);
        return t.outcome == history_file::Outcome::Read ? t.text.toStdString() : "outcome " + std::to_string(int(t.outcome));
    };
    const std::string unreadable = "outcome 1", too_large = "outcome 2";
    EXPECT_EQ(read(path), unreadable);
    write_file(path, platform::encode_cp932(QString::fromUtf8("2000年 ミポ～\r\n最後の行")));
    EXPECT_EQ(read(path), "2000年 ミポ～\r\n最後の行\r\n");
    write_file(path, "");
    EXPECT_EQ(read(path), "");
    EXPECT_EQ(read(dir.path()), unreadable); // a folder is no text
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    EXPECT_EQ(read(dir.filePath("fifo")), unreadable); // nor a FIFO, and it is not waited on

    // Read up to its bound, not beyond.
    write_file(path, QByteArray(history_file::kMaxBytes - 1, 'a') + '\n');
    EXPECT_EQ(read(path).size(), size_t(history_file::kMaxBytes + 1));
    write_file(path, QByteArray(history_file::kMaxBytes + 1, 'a'));
    EXPECT_EQ(read(path), too_large);
}

TEST(SysInfoButton, TheToolWhenThereIsOneElseTheMessage)
{
    platform::FakeSystemInfoTool tool;
    platform::ScriptedPrompt prompt;
    QStringList started;
    ProgramStart start = [&](const QString& program, const QStringList& args) {
        started << program + " " + args.join(' ');
        return program != "/broken";
    };
    EXPECT_FALSE(start_sys_info(tool, start, prompt, "title"));
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(prompt.asked[0].text, QString::fromUtf8("現時点ではｼｽﾃﾑ情報を使用できません"));
    EXPECT_EQ(prompt.asked[0].title, "title");
    EXPECT_TRUE(started.isEmpty());

    tool.tool = platform::SystemInfoTool::Command{"/usr/bin/kinfocenter", {}};
    EXPECT_TRUE(start_sys_info(tool, start, prompt, "title"));
    EXPECT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(started, QStringList{"/usr/bin/kinfocenter "});

    tool.tool = platform::SystemInfoTool::Command{"/broken", {"x"}};
    EXPECT_FALSE(start_sys_info(tool, start, prompt, "title"));
    EXPECT_EQ(prompt.asked.size(), 2);
}

TEST(FolderReader, FoldersOnlySortedWithLinksAndErrors)
{
    QTemporaryDir dir;
    QDir root(dir.path());
    for (const char* sub : {"snow", "Beach", "apple", ".hidden"})
        ASSERT_TRUE(root.mkdir(sub));
    write_file(root.filePath("file.bmp"), "x");
    ASSERT_TRUE(QFile::link(root.filePath("snow"), root.filePath("link-to-snow")));
    ASSERT_TRUE(QFile::link(root.filePath("file.bmp"), root.filePath("link-to-file")));
    const auto folders = platform::read_subfolders(dir.path());
    ASSERT_TRUE(folders);
    EXPECT_EQ(*folders, QStringList({"apple", "Beach", "link-to-snow", "snow"}));

    QString error;
    EXPECT_FALSE(platform::read_subfolders(root.filePath("missing"), &error));
    EXPECT_EQ(error, QString::fromLocal8Bit(strerror(ENOENT)));
    EXPECT_FALSE(platform::read_subfolders(root.filePath("file.bmp"), &error));
    EXPECT_EQ(error, QString::fromLocal8Bit(strerror(ENOTDIR)));
}
