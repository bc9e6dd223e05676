#pragma once
#include "board_view.h"
#include "game_cues.h"
#include "game_mode.h"
#include "game_shell.h"
#include "interval_clock.h"
#include "play_options.h"
#include "game/data/game_settings.h"
#include "platform/clock.h"
#include "platform/random.h"
#include <QString>
#include <array>
#include <cstdint>
#include <span>

// One game on the nine-hole board: the count-down, the passes that bring out seals
// and the yeti, strikes and misses, pause, resume, reset and the end of a game.
// No widgets: time and chance come from outside, and what is to be seen and heard
// goes to the board view, the shell and the cues.
//
// The window drives it: `count_down_tick` every 10 ms while the shell's count-down
// timer runs, `pass` every 30 ms while the pass timer runs, strikes as they come.
class GameEngine {
public:
    static constexpr int kHoles = 9;
    static constexpr int kGameSeconds = 20;

    // What a hole holds (ana_flag).
    enum HoleFlag : uint8_t { kFree = 0, kSeal = 1, kYeti = 2, kStruck = 3 };
    static constexpr uint8_t kStruckState = 8; // mipo_state / hazure_state of a struck sprite

    // Sprite holders used on the board.
    enum Sprite : int {
        kHole = 0, kSeal1 = 1, kSeal2 = 2, kSeal3 = 3, kSealHit = 5,
        kYeti1 = 7, kYeti2 = 8, kYeti3 = 9, kYeti4 = 10, kYetiHit = 11, kZan = 12, kZantetuken = 13,
    };

    GameEngine(platform::Clock& clock, platform::Random& random, const GameSettings& settings,
               std::span<const QString> hit_comments, std::span<const QString> miss_comments,
               BoardView& view, GameShell& shell, GameCues& cues, PlayOptions options = {});

    // Fresh game variables, normal mode, the product name in the comment line.
    void first_global();
    // Starts a game with its count-down. A game that is on (playing, counting
    // down or paused) ends silently first.
    void begin();
    void count_down_tick();
    // One pass of the game: seal tick, yeti tick, gauge, game second; one `now`.
    void pass();
    // A strike at a hole (-1: beside every hole). Only while the game is really on.
    void hit_hole(int hole);
    // Pause a running game, or resume a paused one.
    void stop_act();
    // Back to the ready board from any phase.
    void reset_command();
    // The play mode, 0 normal or 1 ZAN; it applies from the next hit.
    void mode_click(int mode);

    // True while strikes count: the game is on and its count-down is over.
    bool accepts_strikes() const { return game_mode_ == GameMode::Playing && running_; }

    GameMode game_mode() const { return game_mode_; }
    bool running() const { return running_; }
    bool counting() const { return counting_; }
    int hit_mode() const { return hit_mode_; }
    int score() const { return score_; }
    int time_left() const { return time_left_; }
    int hits() const { return hits_; }
    int misses() const { return misses_; }
    int appear_count() const { return appear_count_; }
    int hit_rate() const { return hit_rate_; }
    uint32_t start_time() const { return start_time_; }
    uint8_t ana_flag(int hole) const { return ana_flag_.at(hole); }
    uint8_t mipo_state(int hole) const { return mipo_state_.at(hole); }
    uint8_t hazure_state(int hole) const { return hazure_state_.at(hole); }

    // How the current (or last) game went, pass by pass: for the benchmarks.
    struct PassCounts {
        int passes = 0;
        int seal_ticks = 0;
        int yeti_ticks = 0;
    };
    const PassCounts& pass_counts() const { return pass_counts_; }

private:
    void clear_holes();
    void start_count_down();
    void count_down_over();
    void play_loop(bool wipe_board);
    void appear();
    void hazure_tick();
    void sec_tick();
    void gauge_ef();
    void hit_coment();
    void book_hit(int hole);
    void hit_hazu();
    void saikai();
    void game_end();
    void set_rate_labels();
    void show_sprite(int hole, int pic); // the empty hole, then the sprite over it
    int pick(double scale); // a random whole number 0..scale, the ends half as likely

    platform::Clock& clock_;
    platform::Random& random_;
    const GameSettings& settings_;
    std::span<const QString> hit_comments_;
    std::span<const QString> miss_comments_;
    BoardView& view_;
    GameShell& shell_;
    GameCues& cues_;
    PlayOptions options_;

    // Across games.
    GameMode game_mode_ = GameMode::Startup;
    int hit_mode_ = 0; // 0 normal, 1 "mode of ZAN"

    // Per game, cleared by begin.
    std::array<uint8_t, kHoles> ana_flag_{};     // HoleFlag of each hole
    std::array<uint8_t, kHoles> mipo_state_{};   // seal frame step 1..5, 8/9 struck, 0 none
    std::array<uint8_t, kHoles> hazure_state_{}; // yeti frame step 1..7, 8/9 struck, 0 none
    int score_ = 0;        // points, at most 32767
    int time_left_ = 0;    // game seconds left
    int hits_ = 0;         // seals hit, at most 255
    int misses_ = 0;       // misses, at most 255
    int appear_count_ = 0; // seals that came out, at most 32767
    int hit_rate_ = 0;     // per cent of seals hit

    // The loops: their flags and clocks.
    bool running_ = false;  // passes go on while true
    bool counting_ = false; // the count-down goes on while true
    uint32_t start_time_ = 0; // when the game's 20 000 ms began; misses and pauses shift it
    uint32_t now_time_ = 0;   // the latest pass (or count-down step)
    uint32_t count_start_ = 0; // the count-down's start, shifted by pauses
    int count_step_ = 0;       // the next count-down step: 2, 1, 0 (GO), -1, -2 (over)
    IntervalClock seal_clock_;
    IntervalClock yeti_clock_;
    uint32_t second_start_ = 0;
    PassCounts pass_counts_;
};
