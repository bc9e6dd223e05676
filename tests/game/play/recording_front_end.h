#pragma once
#include "game/play/board_view.h"
#include "game/play/game_cues.h"
#include "game/play/game_shell.h"
#include <QColor>
#include <QStringList>
#include <array>
#include <vector>

// Stands in for the main window: remembers what the game showed, asked and played,
// as a log of calls and as the state they leave.
class RecordingFrontEnd final : public BoardView, public GameShell, public GameCues {
public:
    QStringList log;

    // What the board shows at each hole: the last sprite put there since it was
    // restored, -1 for the empty hole.
    std::array<int, 9> hole_sprite{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int count_down = -1; // the count-down picture on the board, -1 none
    bool board_enabled = true;
    double gauge_fraction = 0;
    QRgb gauge_colour = 0;
    std::array<QString, 6> labels;
    QString comment;
    QString board_tip = "none";
    bool topmost = false;
    bool stop_visible = false;
    QString stop_caption;
    int mode_checked = -1;
    bool count_down_timer = false;
    bool pass_timer = false;
    std::vector<FinishedGame> finished;
    QStringList sounds;

    // BoardView
    void restore_board() override
    {
        log << "restore_board";
        hole_sprite.fill(-1);
        count_down = -1;
    }
    void restore_hole(int hole) override
    {
        log << QString("restore %1").arg(hole);
        hole_sprite.at(hole) = -1;
    }
    void draw_sprite(int hole, int pic) override
    {
        log << QString("sprite %1 %2").arg(hole).arg(pic);
        hole_sprite.at(hole) = pic;
    }
    void draw_opaque(int hole, int pic) override
    {
        log << QString("opaque %1 %2").arg(hole).arg(pic);
        hole_sprite.at(hole) = pic;
    }
    void show_count_down(int digit) override
    {
        log << QString("count %1").arg(digit);
        count_down = digit;
    }
    void set_board_enabled(bool enabled) override { board_enabled = enabled; }
    void fill_gauge(double fraction, QRgb colour) override
    {
        gauge_fraction = fraction;
        gauge_colour = colour;
    }
    void set_label(int index, const QString& text) override { labels.at(index) = text; }
    void show_headings() override
    {
        log << "headings";
        labels = {"H0", "H1", "H2", "H3", "H4", "H5"};
    }
    void set_comment(const QString& text) override { comment = text; }
    void set_board_tip(const QString& text) override { board_tip = text; }

    // GameShell
    void set_topmost(bool on) override { topmost = on; }
    void set_stop_entry(bool visible, const QString& caption) override
    {
        stop_visible = visible;
        stop_caption = caption;
    }
    void set_mode_checks(int mode) override { mode_checked = mode; }
    void close_panels() override { log << "close_panels"; }
    void show_idle_board() override { log << "idle_board"; }
    void reset_talk() override { log << "reset_talk"; }
    void show_title_plate() override { log << "title_plate"; }
    void run_count_down_timer(bool on) override { count_down_timer = on; }
    void run_pass_timer(bool on) override { pass_timer = on; }
    void game_finished(const FinishedGame& result) override
    {
        log << "finished";
        finished.push_back(result);
    }

    // GameCues
    void restart_hit(int hole) override { sounds << QString("hit %1").arg(hole); }
    void play_simple(const QString& file_name) override { sounds << "simple " + file_name; }
    void music_stop() override { sounds << "music stop"; }
    void music_rewind() override { sounds << "music rewind"; }
    void music_play() override { sounds << "music play"; }
};
