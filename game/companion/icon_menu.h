#pragma once
#include <QPoint>
#include <QString>
#include <Qt>
#include <array>
#include <optional>

namespace companion {

// What a left click on an icon does.
enum class IconAction { StartGame, ShowEquipment, ShowHelp, ShowScores, ShowSettings, StartProgram };

struct IconCell {
    QPoint position;     // top-left corner of the 50 x 50 icon on the board
    QString bitmap;      // file name in the bitmap folder
    QString comment;     // said while the pointer is over the icon
    IconAction action;
    QString program;     // StartProgram: the program's file name as shipped ("....exe")
};

// The 3 x 3 icon menu that the board shows between games.
class IconMenu {
public:
    static constexpr int kCells = 9;
    static constexpr const char* kWall = "wall.bmp";

    // Cells row by row from the top left.
    static const std::array<IconCell, kCells>& cells();
    // The order in which the icons are drawn: start, score, net, soubi, config, tokei, help, server, note.
    static const std::array<int, kCells>& draw_order();
    // The comment for the cell under the pointer; nullopt (leave the comment) outside 0-8.
    static std::optional<QString> hover_comment(int cell);
    static const IconCell* cell(int index); // null outside 0-8
};

// What a press on the board means. During play (game mode 2) any button strikes the hole;
// otherwise left runs the icon, right opens the "sm" popup and any other button the "情報" popup.
struct BoardPress {
    enum class Kind { Strike, RunIcon, MainPopup, InfoPopup };
    Kind kind;
    int cell; // Strike and RunIcon: the cell, -1 when the press is in no cell
};
BoardPress route_board_press(int game_mode, Qt::MouseButton button, int cell);

// A press on the window beside the board: left nothing, right "sm", others "情報".
std::optional<BoardPress::Kind> route_window_press(Qt::MouseButton button);

// A file name as found in our program folder: the ".exe" of the shipped name is dropped on
// systems whose programs have no suffix.
QString local_program_name(const QString& shipped_name);

} // namespace companion
