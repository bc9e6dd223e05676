#pragma once
#include "platform/ui/surface_widget.h"
#include <QString>
#include <array>

// What the board's nine cells are now, for the keyboard and for screen readers:
// the holes of a game, or the icons between games.
class BoardCells {
public:
    virtual ~BoardCells() = default;
    virtual QString board_name() const = 0;
    virtual QString cell_name(int cell) const = 0;
    // The cell pressed as a click on it presses it: a strike in a game, the icon between games.
    virtual void activate_cell(int cell) = 0;
    // A key went to the board: whatever covers it makes way.
    virtual void board_keyed() = 0;
    // The keyboard made `cell` the current cell (as the pointer moving over it would).
    virtual void cell_made_current(int cell) = 0;
};

// The board back(0) as a grid of nine cells the keyboard can walk: the arrows move
// the current cell, Space or Enter presses it. Other keys go on to the window (the
// digits strike there). It tells screen readers which cell is current and which
// cell changed what it holds (board_accessible.h gives them the cells).
class BoardSurface final : public platform::SurfaceWidget {
    Q_OBJECT
public:
    static constexpr int kCells = 9;
    static constexpr int kCell = 50;

    BoardSurface(QWidget* parent, int size);

    void set_cells(BoardCells* cells) { cells_ = cells; }
    BoardCells* cells() const { return cells_; }
    int current_cell() const { return current_; }
    static QRect cell_rect(int cell) { return {kCell * (cell % 3), kCell * (cell / 3), kCell, kCell}; }
    // Something was drawn that may change what a cell is: the names are compared once
    // the current event is over, and a name change is told for each cell that changed.
    void names_may_change();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paint_over(QPainter& painter) override;

private:
    void move_current(int to);
    void tell_focus();
    void compare_names();

    BoardCells* cells_ = nullptr;
    int current_ = 0; // the start icon between games, the top left hole in a game
    bool show_frame_ = false; // the current cell is framed once the keyboard has moved it
    bool compare_pending_ = false;
    QString told_board_name_;
    std::array<QString, kCells> told_names_;
};
