#include "game/companion/icon_menu.h"
#include "game/companion/mascot_talk.h"
#include "game/companion/system_panel_texts.h"
#include "game/companion/trash_panel.h"
#include "platform/trash/fake_trash.h"
#include "platform/ui/scripted_prompt.h"
#include <QFontMetricsF>
#include <QGuiApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace companion;

static std::string s(const QString& q) { return q.toStdString(); }
static std::string s(const std::optional<QString>& q) { return q ? q->toStdString() : "<unchanged>"; }

TEST(MascotTalk, FirstScriptCyclesThroughSixteenLines)
{
    MascotTalk talk("1.0.84");
    std::vector<std::string> said;
    for (int i = 0; i < 17; ++i)
        said.push_back(s(talk.click(0)));
    EXPECT_EQ(said[0], "ゾルヴィク『ナベルネ』");
    EXPECT_EQ(said[1], "zorvik/nabelune");
    EXPECT_EQ(said[5], "Releace Version");
    EXPECT_EQ(said[6], "1.0.84");
    EXPECT_EQ(said[8], "ださださだよね～。");
    EXPECT_EQ(said[15], "やるしかないな｡");
    EXPECT_EQ(said[16], said[0]) << "the 17th click starts over";
    EXPECT_EQ(talk.talk_count(), 1);
    for (const auto& line : said)
        EXPECT_FALSE(line.empty() || line == "<unchanged>");
}

TEST(MascotTalk, SecondScriptKeepsQuietUntilTwoHundredThenStartsAtItsSecondLine)
{
    MascotTalk talk("1.0.84");
    std::vector<std::string> said;
    for (int i = 0; i < 203; ++i)
        said.push_back(s(talk.click(1)));
    EXPECT_EQ(said[0], "逃げても良いのよ。");
    EXPECT_EQ(said[4], "ミポはかわいい,");
    EXPECT_EQ(said[24], "おやすみ。");
    for (int i = 25; i <= 200; ++i) // 176 clicks leave the comment as it is
        ASSERT_EQ(said[size_t(i)], "<unchanged>") << "click " << i + 1;
    EXPECT_EQ(said[201], "自己欺瞞だよ。");
    EXPECT_EQ(said[202], "まだ不毛にも");
}

TEST(MascotTalk, OtherModesSayNothingAndResetStartsOver)
{
    MascotTalk talk("1.0.84");
    talk.click(1);
    talk.click(1);
    for (int mode : {2, 3, 4}) {
        EXPECT_FALSE(talk.click(mode).has_value());
        EXPECT_EQ(talk.talk_count(), 2);
    }
    talk.reset();
    EXPECT_EQ(s(talk.click(1)), "逃げても良いのよ。");
}

TEST(IconMenu, HoverCommentsPerCellAndNothingOutside)
{
    const char* expected[9] = {"ゲームを始めます｡", "装備を変更します｡", "ヘルプを開きます｡", "スコアを表示します｡",
                               "設定を変更します｡", "スクリーンセーバ｡", "インターネットをする｡", "時計を起動します｡",
                               "メモルーを開く"};
    for (int cell = 0; cell < 9; ++cell) {
        EXPECT_EQ(s(IconMenu::hover_comment(cell)), expected[cell]);
        EXPECT_EQ(IconMenu::cells()[size_t(cell)].position, QPoint(cell % 3 * 50, cell / 3 * 50));
    }
    EXPECT_FALSE(IconMenu::hover_comment(-1).has_value());
    EXPECT_FALSE(IconMenu::hover_comment(9).has_value());
    EXPECT_EQ(IconMenu::cell(9), nullptr);
}

TEST(IconMenu, ActionsProgramsAndDrawOrder)
{
    using A = IconAction;
    const A actions[9] = {A::StartGame,    A::ShowEquipment, A::ShowHelp,     A::ShowScores,  A::ShowSettings,
                          A::StartProgram, A::StartProgram,  A::StartProgram, A::StartProgram};
    for (int cell = 0; cell < 9; ++cell)
        EXPECT_EQ(IconMenu::cells()[size_t(cell)].action, actions[cell]);
    EXPECT_EQ(s(local_program_name(IconMenu::cell(5)->program)), "yomino02");
    EXPECT_EQ(s(local_program_name(IconMenu::cell(6)->program)), "brovu_v1000");
    EXPECT_EQ(s(local_program_name(IconMenu::cell(7)->program)), "クルリト1");
    EXPECT_EQ(s(local_program_name(IconMenu::cell(8)->program)), "memolu_v1001");
    std::vector<std::string> drawn;
    for (int cell : IconMenu::draw_order())
        drawn.push_back(s(IconMenu::cells()[size_t(cell)].bitmap));
    EXPECT_THAT(drawn, testing::ElementsAre("start.bmp", "score.bmp", "net.bmp", "soubi.bmp", "config.bmp",
                                            "tokei.bmp", "help.bmp", "server.bmp", "note.bmp"));
}

TEST(IconMenu, PressesRouteByModeAndButton)
{
    using K = BoardPress::Kind;
    EXPECT_EQ(route_board_press(2, Qt::RightButton, 4).kind, K::Strike) << "during play every button strikes";
    EXPECT_EQ(route_board_press(2, Qt::MiddleButton, 4).cell, 4);
    EXPECT_EQ(route_board_press(3, Qt::LeftButton, 0).kind, K::RunIcon) << "paused: icon 0 starts a new game";
    EXPECT_EQ(route_board_press(1, Qt::RightButton, 0).kind, K::MainPopup);
    EXPECT_EQ(route_board_press(4, Qt::MiddleButton, 0).kind, K::InfoPopup);
    EXPECT_FALSE(route_window_press(Qt::LeftButton).has_value());
    EXPECT_EQ(route_window_press(Qt::RightButton), K::MainPopup);
    EXPECT_EQ(route_window_press(Qt::MiddleButton), K::InfoPopup);
}

TEST(SystemPanelTexts, MemoryFiguresAboveFourGibKeepEveryDigit)
{
    EXPECT_EQ(s(SystemPanelTexts::thousands(0)), "0");
    EXPECT_EQ(s(SystemPanelTexts::thousands(999)), "999");
    EXPECT_EQ(s(SystemPanelTexts::thousands(1000)), "1,000");
    EXPECT_EQ(s(SystemPanelTexts::thousands(4294967296ull)), "4,294,967,296");
    EXPECT_EQ(s(SystemPanelTexts::thousands(18446744073709551615ull)), "18,446,744,073,709,551,615");

    platform::MemoryStatus m;
    m.memory_load = 37;
    m.total_physical = 25769803776ull;
    m.available_physical = 16234567890ull;
    m.total_page_file = 34359738368ull;
    m.available_page_file = 24824502482ull;
    m.total_virtual = 140737488355328ull;
    m.available_virtual = 140737154985984ull;
    const auto labels = SystemPanelTexts::memory_labels(m);
    EXPECT_EQ(s(labels[0]), "メモリ使用率");
    EXPECT_EQ(s(labels[1]), "37%");
    EXPECT_EQ(s(labels[2]), "全物理メモリ");
    EXPECT_EQ(s(labels[3]), "25,769,803,776");
    EXPECT_EQ(s(labels[7]), "34,359,738,368");
    EXPECT_EQ(s(labels[10]), "全仮想アドレス");
    EXPECT_EQ(s(labels[11]), "140,737,488,355,328");
    EXPECT_EQ(s(labels[12]), "空き仮想アドレス");
    EXPECT_EQ(s(SystemPanelTexts::plate_memory(m)), "25,769,803,776 byte");
    EXPECT_EQ(SystemPanelTexts::memory_label_rect(0), QRect(10, 95, 88, 15));
    EXPECT_EQ(SystemPanelTexts::memory_label_rect(13), QRect(100, 215, 88, 15));
}

TEST(SystemPanelTexts, UptimePastOneHundredHoursKeepsTwoDigits)
{
    EXPECT_EQ(s(SystemPanelTexts::uptime(0)), "00:00:00.000");
    EXPECT_EQ(s(SystemPanelTexts::uptime(999)), "00:00:00.999");
    EXPECT_EQ(s(SystemPanelTexts::uptime((9 * 3600 + 5 * 60 + 3) * 1000ull + 42)), "09:05:03.042");
    EXPECT_EQ(s(SystemPanelTexts::uptime(10 * 3600 * 1000ull)), "10:00:00.000");
    EXPECT_EQ(s(SystemPanelTexts::uptime((99 * 3600 + 59 * 60 + 59) * 1000ull + 999)), "99:59:59.999");
    EXPECT_EQ(s(SystemPanelTexts::uptime(100 * 3600 * 1000ull)), "00:00:00.000");
    EXPECT_EQ(s(SystemPanelTexts::uptime((123 * 3600 + 4 * 60 + 5) * 1000ull + 6)), "23:04:05.006");
    // 30 days: past the 24.8 days where a 32-bit tick count turns negative.
    EXPECT_EQ(s(SystemPanelTexts::uptime(30ull * 24 * 3600 * 1000 + 1)), "20:00:00.001");
}

TEST(SystemPanelTexts, DateLineHasJapaneseWeekdayInAnyLocale)
{
    const QDateTime monday(QDate(2000, 9, 18), QTime(9, 5, 3));
    EXPECT_EQ(s(SystemPanelTexts::date_line(monday)), "2000/09/18 9:05:03月曜日");
    EXPECT_EQ(s(SystemPanelTexts::date_line(QDateTime(QDate(2026, 12, 13), QTime(23, 59, 59)))),
              "2026/12/13 23:59:59日曜日");
    EXPECT_EQ(s(SystemPanelTexts::weekday(6)), "土曜日");
    EXPECT_EQ(s(SystemPanelTexts::weekday(0)), "");
    platform::PlatformVersion v{"Linux", 6, 1, 55};
    EXPECT_EQ(s(SystemPanelTexts::platform_line(v)), "Linux 6.1 55");
}

class TrashPanelTest : public testing::Test {
protected:
    platform::FakeTrash trash;
    platform::ScriptedPrompt prompt;
    TrashPanel panel{trash, prompt};
    int repaints = 0;
    void SetUp() override
    {
        QObject::connect(&panel, &TrashPanel::lines_changed, [this] { ++repaints; });
    }
    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (const QString& l : panel.lines())
            out.push_back(s(l));
        return out;
    }
};

TEST_F(TrashPanelTest, FiguresInFullWithoutSeparators)
{
    trash.size_bytes = 5368709120ull;
    trash.item_count = 12345;
    panel.refresh();
    EXPECT_THAT(lines(), testing::ElementsAre("ごみ箱のサイズ : ", "5368709120 バイト", "ごみ箱のファイル数 : ",
                                              "12345 個", "\r\n", "掃除強化月間？"));
    EXPECT_EQ(repaints, 1);
}

TEST_F(TrashPanelTest, FailedReadMarksLineOneAndKeepsTheRest)
{
    panel.refresh();
    trash.query_ok = false;
    panel.refresh();
    EXPECT_THAT(lines(), testing::ElementsAre("ごみ箱のサイズ : ", "失敗しました", "ごみ箱のファイル数 : ", "0 個",
                                              "\r\n", "掃除強化月間？"));
}

TEST_F(TrashPanelTest, EmptyingAsksFirstAndNoLeavesEverything)
{
    trash.size_bytes = 10;
    trash.item_count = 1;
    panel.refresh();
    panel.empty_clicked(); // unscripted: the safe answer いいえ
    ASSERT_EQ(prompt.asked.size(), 1);
    EXPECT_EQ(s(prompt.asked[0].text), "ごみ箱を空にしますか？");
    EXPECT_EQ(prompt.asked[0].buttons, platform::Prompt::Buttons::YesNoDefaultNo);
    EXPECT_EQ(trash.emptyings, 0);
    EXPECT_EQ(lines()[1], "10 バイト");

    prompt.answer(platform::Prompt::kYes);
    panel.empty_clicked();
    EXPECT_EQ(trash.emptyings, 1);
    EXPECT_EQ(trash.queries, 2) << "figures are read again after emptying";
    EXPECT_EQ(lines()[1], "0 バイト");
    EXPECT_EQ(lines()[4], "空になりました。");

    panel.empty_clicked(); // known to be empty: no question
    EXPECT_EQ(prompt.asked.size(), 2);
    EXPECT_EQ(trash.emptyings, 1);
    EXPECT_EQ(lines()[4], "\r\n");
}

TEST_F(TrashPanelTest, FailedEmptyingStaysVisible)
{
    trash.size_bytes = 10;
    trash.item_count = 1;
    trash.empty_ok = false;
    panel.refresh();
    prompt.answer(platform::Prompt::kYes);
    panel.empty_clicked();
    EXPECT_EQ(lines()[1], "10 バイト");
    EXPECT_EQ(lines()[4], "失敗しました");
    panel.refresh();
    EXPECT_EQ(lines()[4], "\r\n");
}

TEST(SystemPanelTexts, WideFiguresGetASmallerFontThatFitsTheirCell)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts need the GUI side
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSize(9);
    const QString wide = SystemPanelTexts::thousands(140737488355328ull);
    ASSERT_GT(QFontMetricsF(font).horizontalAdvance(wide), 88.0) << "the case to fix";
    const QFont fitted = SystemPanelTexts::fitted(font, wide, 88);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(wide), 88.0);
    EXPECT_LT(fitted.pointSizeF(), 9.0);
    EXPECT_GE(fitted.pointSizeF(), 5.0);
    EXPECT_EQ(SystemPanelTexts::fitted(font, "37%", 88).pointSizeF(), 9.0) << "what fits keeps its size";
}
