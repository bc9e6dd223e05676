#include "icon_menu.h"

namespace companion {

const std::array<IconCell, IconMenu::kCells>& IconMenu::cells()
{
    static const std::array<IconCell, kCells> table = {{
        {{0, 0}, QStringLiteral("start.bmp"), QString::fromUtf8("ゲームを始めます｡"), IconAction::StartGame, {}},
        {{50, 0}, QStringLiteral("soubi.bmp"), QString::fromUtf8("装備を変更します｡"), IconAction::ShowEquipment, {}},
        {{100, 0}, QStringLiteral("help.bmp"), QString::fromUtf8("ヘルプを開きます｡"), IconAction::ShowHelp, {}},
        {{0, 50}, QStringLiteral("score.bmp"), QString::fromUtf8("スコアを表示します｡"), IconAction::ShowScores, {}},
        {{50, 50}, QStringLiteral("config.bmp"), QString::fromUtf8("設定を変更します｡"), IconAction::ShowSettings, {}},
        {{100, 50}, QStringLiteral("server.bmp"), QString::fromUtf8("スクリーンセーバ｡"), IconAction::StartProgram,
         QStringLiteral("yomino02.exe")},
        {{0, 100}, QStringLiteral("net.bmp"), QString::fromUtf8("インターネットをする｡"), IconAction::StartProgram,
         QStringLiteral("brovu_v1000.exe")},
        {{50, 100}, QStringLiteral("tokei.bmp"), QString::fromUtf8("時計を起動します｡"), IconAction::StartProgram,
         QString::fromUtf8("クルリト1.exe")},
        {{100, 100}, QStringLiteral("note.bmp"), QString::fromUtf8("メモルーを開く"), IconAction::StartProgram,
         QStringLiteral("memolu_v1001.exe")},
    }};
    return table;
}

const std::array<int, IconMenu::kCells>& IconMenu::draw_order()
{
    static const std::array<int, kCells> order = {0, 3, 6, 1, 4, 7, 2, 5, 8};
    return order;
}

const IconCell* IconMenu::cell(int index)
{
    return index >= 0 && index < kCells ? &cells()[size_t(index)] : nullptr;
}

std::optional<QString> IconMenu::hover_comment(int index)
{
    const IconCell* c = cell(index);
    return c ? std::optional<QString>(c->comment) : std::nullopt;
}

BoardPress route_board_press(int game_mode, Qt::MouseButton button, int cell)
{
    if (game_mode == 2)
        return {BoardPress::Kind::Strike, cell};
    if (button == Qt::LeftButton)
        return {BoardPress::Kind::RunIcon, cell};
    return {button == Qt::RightButton ? BoardPress::Kind::MainPopup : BoardPress::Kind::InfoPopup, -1};
}

std::optional<BoardPress::Kind> route_window_press(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        return std::nullopt;
    return button == Qt::RightButton ? BoardPress::Kind::MainPopup : BoardPress::Kind::InfoPopup;
}

QString local_program_name(const QString& shipped_name)
{
#ifdef Q_OS_WIN
    return shipped_name;
#else
    return shipped_name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? shipped_name.chopped(4) : shipped_name;
#endif
}

} // namespace companion
