#pragma once
#include <cstdint>

// When mouse moves end the blank screen. Each move is counted (16-bit, never
// reset); the screen closes once more than six moves have come in and the mouse
// is more than 6 pixels from where it started in both directions. Positions are
// 16-bit like the classic mouse message, distances 16-bit signed.
class BlankCloseRule {
public:
    BlankCloseRule(int32_t start_x, int32_t start_y) : start_x_(start_x), start_y_(start_y) {}

    // A mouse move to (x, y); true when the screen should close.
    bool on_move(int x, int y);

    uint16_t move_count() const { return move_count_; }

private:
    int32_t start_x_;
    int32_t start_y_;
    uint16_t move_count_ = 0;
};
