#pragma once
#include <QString>

// The result of a game that ran to its end.
struct FinishedGame {
    int score = 0;
    int hits = 0;
    int misses = 0;
    int hit_rate = 0;
};

// What a game asks of the window around the board: its menus, its place among
// the other windows, the panels and the timers that drive the game.
class GameShell {
public:
    virtual ~GameShell() = default;

    virtual void set_topmost(bool on) = 0;
    // The pause entry: shown or hidden, "中断" or "再開".
    virtual void set_stop_entry(bool visible, const QString& caption) = 0;
    // Ticks the play mode's entry (0 normal, 1 ZAN) and unticks the other.
    virtual void set_mode_checks(int mode) = 0;
    // Closes the memory and recycle-bin panels if one is open.
    virtual void close_panels() = 0;
    // After a game: the board becomes the idle board again.
    virtual void show_idle_board() = 0;
    // The mascot's talk starts again from its first line.
    virtual void reset_talk() = 0;
    // A reset brings the title plate back.
    virtual void show_title_plate() = 0;

    // The timers: the count-down's every 10 ms, the game's pass every 30 ms.
    virtual void run_count_down_timer(bool on) = 0;
    virtual void run_pass_timer(bool on) = 0;

    // A game ran out: show its result and offer it to the table. Called with the
    // game in the result mode; nothing of the game runs meanwhile.
    virtual void game_finished(const FinishedGame& result) = 0;
};
