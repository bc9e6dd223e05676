#include "game_engine.h"
#include "play_texts.h"
#include "platform/text/legacy/rounding.h"
#include <algorithm>

using legacy::round_half_even;

namespace {

constexpr int kMaxScore = 32767;
constexpr int kMaxByte = 255;
constexpr uint32_t kGameMs = 20000;
constexpr uint32_t kSecondMs = 1000;
constexpr uint32_t kCountStepMs = 250;
constexpr QRgb kWhite = qRgb(255, 255, 255);

int add_capped(int value, int add, int cap) { return std::min(value + add, cap); }

// The shade of the seconds used: 0 at the start of a game, 255 when they are all gone.
int used_shade(int time_left)
{
    return static_cast<int>(round_half_even((GameEngine::kGameSeconds - time_left) * 255.0 / GameEngine::kGameSeconds));
}

uint32_t interval_of(int16_t setting) { return static_cast<uint32_t>(std::max<int>(setting, 1)); }

} // namespace

GameEngine::GameEngine(platform::Clock& clock, platform::Random& random, const GameSettings& settings,
                       std::span<const QString> hit_comments, std::span<const QString> miss_comments,
                       BoardView& view, GameShell& shell, GameCues& cues, PlayOptions options)
    : clock_(clock), random_(random), settings_(settings), hit_comments_(hit_comments),
      miss_comments_(miss_comments), view_(view), shell_(shell), cues_(cues), options_(options)
{
}

int GameEngine::pick(double scale)
{
    return static_cast<int>(round_half_even(random_.next() * scale));
}

void GameEngine::first_global()
{
    shell_.set_mode_checks(0);
    game_mode_ = GameMode::Startup;
    hit_mode_ = 0;
    shell_.reset_talk();
    score_ = hits_ = misses_ = appear_count_ = hit_rate_ = 0;
    view_.set_comment(play_texts::kProductName);
}

void GameEngine::clear_holes()
{
    ana_flag_.fill(kFree);
    mipo_state_.fill(0);
    hazure_state_.fill(0);
}

void GameEngine::begin()
{
    // A game that is on ends silently first, so that its end undoes nothing of the new one.
    if (game_mode_ == GameMode::Playing || game_mode_ == GameMode::Paused) {
        game_mode_ = GameMode::Ready;
        game_end();
    }
    view_.restore_board();
    clear_holes();
    shell_.set_topmost(true);
    shell_.close_panels();
    view_.fill_gauge(1.0, kWhite);
    game_mode_ = GameMode::Playing;
    shell_.set_stop_entry(true, play_texts::kPause);

    time_left_ = kGameSeconds;
    pass_counts_ = {};
    score_ = hits_ = misses_ = appear_count_ = hit_rate_ = 0;
    view_.set_label(0, play_texts::score_first(score_));
    view_.set_label(1, play_texts::time_first(time_left_));
    view_.set_label(2, play_texts::hits(hits_));

    cues_.music_stop();
    cues_.music_rewind();
    cues_.music_play();
    start_count_down();
}

void GameEngine::start_count_down()
{
    view_.set_board_enabled(false);
    const uint32_t now = clock_.now_ms();
    count_start_ = start_time_ = now_time_ = now;
    view_.show_count_down(3);
    counting_ = true;
    view_.set_comment(QString());
    count_step_ = 2;
    shell_.run_count_down_timer(true);
}

void GameEngine::count_down_tick()
{
    if (!counting_ || game_mode_ != GameMode::Playing)
        return;
    now_time_ = clock_.now_ms();
    if (options_.count_down_clock_comment)
        view_.set_comment(QString::number(platform::Clock::elapsed(count_start_, now_time_)));
    // One step at most per tick: 2 at 500 ms, 1 at 750, GO at 1000, over at 1500.
    if (platform::Clock::elapsed(count_start_, now_time_) >= static_cast<uint32_t>(4 - count_step_) * kCountStepMs) {
        if (count_step_ >= 0)
            view_.show_count_down(count_step_);
        if (count_step_ == -2)
            counting_ = false;
        --count_step_;
    }
    if (!counting_)
        count_down_over();
}

void GameEngine::count_down_over()
{
    shell_.run_count_down_timer(false);
    view_.set_board_enabled(true);
    if (options_.board_tip)
        view_.set_board_tip(QString());
    view_.set_comment(play_texts::kComeOn);
    start_time_ = clock_.now_ms();
    play_loop(true);
}

void GameEngine::play_loop(bool wipe_board)
{
    if (wipe_board)
        view_.restore_board();
    running_ = true;
    const uint32_t now = clock_.now_ms();
    seal_clock_.restart(now);
    yeti_clock_.restart(now);
    second_start_ = now;
    shell_.run_pass_timer(true);
}

void GameEngine::pass()
{
    if (!running_)
        return;
    const uint32_t now = clock_.now_ms();
    now_time_ = now;
    ++pass_counts_.passes;
    if (seal_clock_.due(now, interval_of(settings_.mipo_interval))) {
        ++pass_counts_.seal_ticks;
        appear();
    }
    if (yeti_clock_.due(now, interval_of(settings_.hazure_interval))) {
        ++pass_counts_.yeti_ticks;
        hazure_tick();
    }

    // The time bar: the real time used, one unit ahead, on a scale of 210 units.
    const int32_t used = std::max<int32_t>(static_cast<int32_t>(now - start_time_), 0);
    constexpr double kScale = 210.0;
    view_.fill_gauge((kScale * used / kGameMs + 1.0) / kScale, qRgb(255, used_shade(time_left_), 21));

    if (platform::Clock::elapsed(second_start_, now) >= kSecondMs) {
        sec_tick();
        second_start_ = now;
    }
}

void GameEngine::appear()
{
    for (int i = 0; i < kHoles; ++i) {
        if (mipo_state_[i] == kStruckState) {
            mipo_state_[i] = kStruckState + 1;
        } else if (mipo_state_[i] == kStruckState + 1) {
            ana_flag_[i] = kFree;
            mipo_state_[i] = 0;
            show_sprite(i, kHole);
        }
    }
    const int b = pick(8);
    if (ana_flag_[b] != kFree) {
        // Every seal moves on by one frame: out 1, 2, 3, back 2, 1, gone.
        static constexpr int kNextFrame[] = {0, kSeal2, kSeal3, kSeal2, kSeal1};
        for (int c = 0; c < kHoles; ++c) {
            const uint8_t state = mipo_state_[c];
            if (state >= 1 && state <= 4) {
                show_sprite(c, kNextFrame[state]);
                mipo_state_[c] = state + 1;
            } else if (state == 5) {
                show_sprite(c, kHole);
                ana_flag_[c] = kFree;
                mipo_state_[c] = 0;
            }
        }
    } else {
        show_sprite(b, kSeal1);
        ana_flag_[b] = kSeal;
        mipo_state_[b] = 1;
        appear_count_ = add_capped(appear_count_, 1, kMaxScore);
    }
    set_rate_labels();
}

void GameEngine::set_rate_labels()
{
    if (appear_count_ != 0)
        hit_rate_ = std::min<int>(round_half_even(static_cast<double>(hits_) / appear_count_ * 100), kMaxByte);
    view_.set_label(5, play_texts::rate(hit_rate_));
    view_.set_label(3, play_texts::appeared(appear_count_));
}

void GameEngine::hazure_tick()
{
    for (int a = 0; a < kHoles; ++a) {
        if (hazure_state_[a] == kStruckState) {
            hazure_state_[a] = kStruckState + 1;
        } else if (hazure_state_[a] == kStruckState + 1) {
            ana_flag_[a] = kFree;
            hazure_state_[a] = 0;
            view_.restore_hole(a);
        }
    }
    // Every yeti moves on by one frame: out 1, 2, 3, 4, back 3, 2, 1, gone.
    static constexpr int kNextFrame[] = {0, kYeti2, kYeti3, kYeti4, kYeti3, kYeti2, kYeti1};
    for (int b = 0; b < kHoles; ++b) {
        const uint8_t state = hazure_state_[b];
        if (state >= 1 && state <= 6) {
            show_sprite(b, kNextFrame[state]);
            hazure_state_[b] = state + 1;
        } else if (state == 7) {
            view_.restore_hole(b);
            ana_flag_[b] = kFree;
            hazure_state_[b] = 0;
        }
    }
    const int r = pick(100);
    if (r < settings_.hazure_rate) {
        const int hole = pick(8);
        if (ana_flag_[hole] == kFree) {
            show_sprite(hole, kYeti1);
            hazure_state_[hole] = 1;
            ana_flag_[hole] = kYeti;
        }
    }
}

void GameEngine::show_sprite(int hole, int pic)
{
    // Always from the empty hole: a smaller frame leaves nothing of the bigger one.
    view_.restore_hole(hole);
    if (pic != kHole)
        view_.draw_sprite(hole, pic);
}

void GameEngine::sec_tick()
{
    --time_left_;
    view_.set_label(1, play_texts::time_first(time_left_));
    gauge_ef();
    if (time_left_ < 1)
        game_end();
}

void GameEngine::gauge_ef()
{
    view_.fill_gauge(static_cast<double>(kGameSeconds - time_left_) / kGameSeconds,
                     qRgb(255, used_shade(time_left_), 21));
}

void GameEngine::hit_hole(int hole)
{
    if (!accepts_strikes() || hole < 0 || hole >= kHoles)
        return;
    switch (ana_flag_[hole]) {
    case kSeal:
        mipo_state_[hole] = kStruckState;
        hit_coment();
        if (hit_mode_ == 0) {
            show_sprite(hole, kSealHit);
            if (options_.hit_sound_simple)
                cues_.play_simple(QStringLiteral("q1.wav"));
            else
                cues_.restart_hit(hole);
        } else {
            switch (pick(2)) {
            case 0:
                show_sprite(hole, kSealHit);
                cues_.play_simple(QStringLiteral("q1.wav"));
                break;
            case 1:
                view_.draw_sprite(hole, kZan);
                cues_.play_simple(QStringLiteral("zantetuken.wav"));
                break;
            default:
                view_.draw_opaque(hole, kZantetuken);
                cues_.play_simple(QStringLiteral("q1.wav"));
                break;
            }
        }
        book_hit(hole);
        break;
    case kYeti:
        hazure_state_[hole] = kStruckState;
        ana_flag_[hole] = kStruck;
        show_sprite(hole, kYetiHit);
        hit_hazu();
        break;
    default:
        hit_hazu();
        break;
    }
}

void GameEngine::hit_coment()
{
    if (hit_comments_.empty())
        return;
    const int index = std::min<int>(pick(21), static_cast<int>(hit_comments_.size()) - 1);
    view_.set_comment(hit_comments_[index]);
}

void GameEngine::book_hit(int hole)
{
    ana_flag_[hole] = kStruck;
    // The counters stop at the widths they are kept in rather than wrap.
    score_ = add_capped(score_, 100, kMaxScore);
    hits_ = add_capped(hits_, 1, kMaxByte);
    if (hits_ == 1 && appear_count_ == 0)
        appear_count_ = 1;
    view_.set_label(0, play_texts::score_after(score_));
    view_.set_label(2, play_texts::hits(hits_));
    view_.set_label(4, play_texts::misses(misses_));
    hit_rate_ = std::min<int>(round_half_even(static_cast<double>(hits_) / appear_count_ * 100), kMaxByte);
    view_.set_label(5, play_texts::rate(hit_rate_));
}

void GameEngine::hit_hazu()
{
    --time_left_;
    misses_ = add_capped(misses_, 1, kMaxByte);
    start_time_ -= kSecondMs;
    view_.set_label(1, play_texts::time_after(time_left_));
    view_.set_label(2, play_texts::hits(hits_));
    view_.set_label(4, play_texts::misses(misses_));
    view_.fill_gauge(static_cast<double>(kGameSeconds - time_left_) / kGameSeconds, qRgb(0, 0, used_shade(time_left_)));
    if (!miss_comments_.empty()) {
        const int index = std::min<int>(pick(10), static_cast<int>(miss_comments_.size()) - 1);
        view_.set_comment(miss_comments_[index]);
    }
    if (time_left_ < 1)
        game_end();
}

void GameEngine::stop_act()
{
    if (game_mode_ == GameMode::Playing) {
        if (!options_.music_through_pause)
            cues_.music_stop();
        running_ = false;
        // A count-down is held where it stands and finished on resume.
        shell_.run_pass_timer(false);
        shell_.run_count_down_timer(false);
        // A held count-down gives the board back: its menu serves the pause.
        if (counting_)
            view_.set_board_enabled(true);
        shell_.set_stop_entry(true, play_texts::kResume);
        view_.set_label(2, play_texts::kResume);
        shell_.set_topmost(false);
        game_mode_ = GameMode::Paused;
    } else if (game_mode_ == GameMode::Paused) {
        saikai();
    }
}

void GameEngine::saikai()
{
    shell_.set_topmost(true);
    shell_.close_panels();
    shell_.set_stop_entry(true, play_texts::kPause);
    view_.set_label(1, play_texts::time_after(time_left_));
    view_.set_label(0, play_texts::score_after(score_));
    view_.set_label(2, play_texts::hits(hits_));
    view_.set_label(4, play_texts::misses(misses_));
    game_mode_ = GameMode::Playing;
    // The pause is booked from the latest pass to now, and now becomes the latest
    // pass: a second pause before the next pass does not book this one again.
    const uint32_t now = clock_.now_ms();
    const uint32_t paused_for = now - now_time_;
    now_time_ = now;
    start_time_ += paused_for;
    if (!options_.music_through_pause)
        cues_.music_play();
    if (counting_) {
        count_start_ += paused_for;
        view_.set_board_enabled(false);
        shell_.run_count_down_timer(true);
    } else {
        // The seals and the yeti stay on the board as they were.
        play_loop(false);
    }
}

void GameEngine::reset_command()
{
    running_ = false;
    counting_ = false;
    shell_.run_pass_timer(false);
    shell_.run_count_down_timer(false);
    game_mode_ = GameMode::Ready;
    shell_.close_panels();
    shell_.set_stop_entry(false, play_texts::kPause);
    shell_.show_title_plate();
    first_global();
    game_end();
}

void GameEngine::mode_click(int mode)
{
    if (mode != 0 && mode != 1)
        return;
    shell_.set_mode_checks(mode);
    hit_mode_ = mode;
    view_.set_comment(play_texts::kModeNames[mode]);
}

void GameEngine::game_end()
{
    view_.restore_board();
    // However the game ends, even in its count-down, the board takes presses again.
    view_.set_board_enabled(true);
    time_left_ = 0;
    counting_ = false;
    running_ = false;
    // Nothing of the game runs behind the result.
    shell_.run_pass_timer(false);
    shell_.run_count_down_timer(false);
    shell_.set_stop_entry(false, play_texts::kPause);
    if (game_mode_ == GameMode::Playing) {
        view_.set_comment(play_texts::kDontRun);
        game_mode_ = GameMode::Result;
        shell_.game_finished(FinishedGame{score_, hits_, misses_, hit_rate_});
        view_.set_comment(play_texts::kGoHome);
    }
    view_.fill_gauge(1.0, kWhite);
    view_.show_headings();
    if (options_.board_tip)
        view_.set_board_tip(play_texts::kBoardTip);
    game_mode_ = GameMode::Ready;
    shell_.reset_talk();
    cues_.music_stop();
    cues_.music_rewind();
    shell_.set_topmost(false);
    shell_.show_idle_board();
}
