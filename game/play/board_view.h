#pragma once
#include <QRgb>
#include <QString>

// What a game draws and writes on the main window. Sprite numbers are the
// sprite holders pic(0..14); holes are 0..8.
class BoardView {
public:
    virtual ~BoardView() = default;

    // The whole board back to the clean background with its nine empty holes.
    virtual void restore_board() = 0;
    // One hole back to its empty picture.
    virtual void restore_hole(int hole) = 0;
    // A sprite over the hole, its key colour transparent.
    virtual void draw_sprite(int hole, int pic) = 0;
    // A sprite over the hole as it is, key colour included.
    virtual void draw_opaque(int hole, int pic) = 0;
    // A count-down picture over the whole board: 3, 2, 1, or 0 for GO.
    virtual void show_count_down(int digit) = 0;
    // Presses on a disabled board do nothing.
    virtual void set_board_enabled(bool enabled) = 0;

    // The time gauge filled from the left up to `fraction` of its width (1 = full).
    virtual void fill_gauge(double fraction, QRgb colour) = 0;
    // The statistic labels data(0..5).
    virtual void set_label(int index, const QString& text) = 0;
    // The six headings of the statistic labels, shown between games.
    virtual void show_headings() = 0;
    virtual void set_comment(const QString& text) = 0;
    // The board's tool tip (only builds that have one set it).
    virtual void set_board_tip(const QString& text) = 0;
};
