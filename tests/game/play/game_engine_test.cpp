#include "game/play/game_engine.h"
#include "game/play/interval_clock.h"
#include "game/play/keypad_map.h"
#include "platform/fake_clock.h"
#include "platform/scripted_random.h"
#include "recording_front_end.h"
#include <gtest/gtest.h>
#include <Qt>

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// The random number that makes round(Rnd * 8) choose `hole`.
double at_hole(int hole) { return hole / 8.0; }
// A random number whose round(Rnd * 100) is 100: never below a rate.
constexpr double kNoYeti = 0.999;

// One engine over a recording front end. The clock starts just before the 32-bit
// counter wraps, so every game here runs across the wrap.
struct Game {
    explicit Game(PlayOptions options = {}) : engine{clock, random, settings, hit_comments, miss_comments, fe, fe, fe, options}
    {
        for (int i = 0; i < 22; ++i)
            hit_comments[i] = QString("hit%1").arg(i);
        for (int i = 0; i < 11; ++i)
            miss_comments[i] = QString("miss%1").arg(i);
        engine.first_global();
    }

    platform::FakeClock clock{0xFFFFF000u};
    platform::ScriptedRandom random;
    GameSettings settings{100, 32767, 0, 0}; // seals every 100 ms; the yeti kept out unless a test wants it
    std::array<QString, 22> hit_comments;
    std::array<QString, 11> miss_comments;
    RecordingFrontEnd fe;
    GameEngine engine;

    // The count-down as the window's 10 ms timer runs it.
    void count_down()
    {
        while (engine.counting() && engine.game_mode() == GameMode::Playing) {
            clock.advance(10);
            engine.count_down_tick();
        }
    }
    void start()
    {
        engine.begin();
        count_down();
    }
    // Passes every 30 ms for `ms`, as the window's pass timer runs them.
    void play(uint32_t ms)
    {
        for (uint32_t t = 30; t <= ms && engine.running(); t += 30) {
            clock.advance(30);
            engine.pass();
        }
    }
    // One pass exactly when the next seal tick is due (seal interval 100).
    void seal_tick()
    {
        clock.advance(100);
        engine.pass();
    }
};

TEST(IntervalClock, AdvancesByWholeIntervalsOnePerCall)
{
    IntervalClock c;
    c.restart(0xFFFFFFF0u);
    EXPECT_FALSE(c.due(0xFFFFFFF0u + 99, 100));
    EXPECT_TRUE(c.due(0xFFFFFFF0u + 350, 100)); // late: three intervals owed
    EXPECT_TRUE(c.due(0xFFFFFFF0u + 350, 100));
    EXPECT_TRUE(c.due(0xFFFFFFF0u + 350, 100));
    EXPECT_FALSE(c.due(0xFFFFFFF0u + 350, 100));
    EXPECT_TRUE(c.due(0xFFFFFFF0u + 400, 100));
    // An interval of 0 behaves as 1: one tick per call, never a spin.
    c.restart(10);
    EXPECT_TRUE(c.due(12, 0));
    EXPECT_TRUE(c.due(12, 0));
    EXPECT_FALSE(c.due(12, 0));
}

TEST(KeypadMap, KeypadDigitsAreLaidOutLikeTheBoard)
{
    EXPECT_EQ(keypad_hole(Qt::Key_7, true), 0);
    EXPECT_EQ(keypad_hole(Qt::Key_9, true), 2);
    EXPECT_EQ(keypad_hole(Qt::Key_5, true), 4);
    EXPECT_EQ(keypad_hole(Qt::Key_1, true), 6);
    EXPECT_EQ(keypad_hole(Qt::Key_3, true), 8);
    // NumLock off: the keypad sends its navigation keys.
    EXPECT_EQ(keypad_hole(Qt::Key_Home, true), 0);
    EXPECT_EQ(keypad_hole(Qt::Key_Up, true), 1);
    EXPECT_EQ(keypad_hole(Qt::Key_Clear, true), 4);
    EXPECT_EQ(keypad_hole(Qt::Key_PageDown, true), 8);
    // The main-row digits strike the same holes; arrows off the keypad do not.
    EXPECT_EQ(keypad_hole(Qt::Key_7, false), 0);
    EXPECT_EQ(keypad_hole(Qt::Key_2, false), 7);
    EXPECT_EQ(keypad_hole(Qt::Key_Up, false), -1);
    EXPECT_EQ(keypad_hole(Qt::Key_0, true), -1);
    EXPECT_EQ(keypad_hole(Qt::Key_Enter, true), -1);
}

TEST(CountDown, ShowsThreeTwoOneGoAndStartsPlayAfterOneAndAHalfSeconds)
{
    Game g;
    g.engine.begin();
    EXPECT_EQ(g.engine.game_mode(), GameMode::Playing);
    EXPECT_EQ(g.fe.count_down, 3);
    EXPECT_FALSE(g.fe.board_enabled);
    EXPECT_TRUE(g.fe.count_down_timer);
    EXPECT_TRUE(g.fe.topmost);
    EXPECT_EQ(g.fe.comment, QString());
    EXPECT_EQ(g.fe.labels[0], u("0得点"));
    EXPECT_EQ(g.fe.labels[1], u("20残時間"));
    EXPECT_EQ(g.fe.labels[2], u("0匹。"));
    EXPECT_TRUE(g.fe.stop_visible);
    EXPECT_EQ(g.fe.stop_caption, u("中断"));
    EXPECT_EQ(g.fe.sounds, QStringList({"music stop", "music rewind", "music play"}));

    struct Step { uint32_t at; int picture; };
    const uint32_t t0 = g.clock.now_ms();
    for (const Step s : {Step{499, 3}, Step{500, 2}, Step{749, 2}, Step{750, 1}, Step{999, 1}, Step{1000, 0}, Step{1499, 0}}) {
        g.clock.set(t0 + s.at);
        g.engine.count_down_tick();
        EXPECT_EQ(g.fe.count_down, s.picture) << s.at;
        EXPECT_TRUE(g.engine.counting()) << s.at;
    }
    // Strikes during the count-down do nothing.
    g.engine.hit_hole(4);
    EXPECT_EQ(g.engine.misses(), 0);
    EXPECT_FALSE(g.fe.pass_timer);

    g.clock.set(t0 + 1500);
    g.engine.count_down_tick();
    EXPECT_FALSE(g.engine.counting());
    EXPECT_TRUE(g.engine.running());
    EXPECT_TRUE(g.fe.board_enabled);
    EXPECT_FALSE(g.fe.count_down_timer);
    EXPECT_TRUE(g.fe.pass_timer);
    EXPECT_EQ(g.fe.count_down, -1); // the board is wiped clean for play
    EXPECT_EQ(g.fe.comment, u("かかってきなさい。"));
    EXPECT_EQ(g.engine.start_time(), t0 + 1500);
}

TEST(CountDown, ALateTimerCatchesUpOneStepPerTick)
{
    Game g;
    g.engine.begin();
    g.clock.advance(3000); // a stall: everything is owed at once
    g.engine.count_down_tick();
    EXPECT_EQ(g.fe.count_down, 2);
    g.engine.count_down_tick();
    g.engine.count_down_tick();
    EXPECT_EQ(g.fe.count_down, 0);
    g.engine.count_down_tick();
    EXPECT_TRUE(g.engine.counting());
    g.engine.count_down_tick();
    EXPECT_TRUE(g.engine.running());
}

TEST(Seals, AnUnhitSealShowsItsFiveFramesAndGoes)
{
    Game g;
    g.random.set_script({at_hole(4)});
    g.start();
    g.seal_tick();
    EXPECT_EQ(g.engine.ana_flag(4), GameEngine::kSeal);
    EXPECT_EQ(g.engine.mipo_state(4), 1);
    EXPECT_EQ(g.fe.hole_sprite[4], 1);
    EXPECT_EQ(g.engine.appear_count(), 1);
    EXPECT_EQ(g.fe.labels[3], u("1匹出現"));
    EXPECT_EQ(g.fe.labels[5], u("0%"));
    // Hole 4 is taken now, so every following tick moves the seal on.
    for (int frame : {2, 3, 2, 1}) {
        g.fe.log.clear();
        g.seal_tick();
        EXPECT_EQ(g.fe.hole_sprite[4], frame);
        // Each frame is drawn on the empty hole, never over the bigger one.
        EXPECT_EQ(g.fe.log, QStringList({"restore 4", QString("sprite 4 %1").arg(frame)}));
    }
    g.seal_tick();
    EXPECT_EQ(g.fe.hole_sprite[4], -1);
    EXPECT_EQ(g.engine.ana_flag(4), GameEngine::kFree);
    EXPECT_EQ(g.engine.mipo_state(4), 0);
    EXPECT_EQ(g.engine.appear_count(), 1);
    g.seal_tick(); // free again: a new seal
    EXPECT_EQ(g.engine.appear_count(), 2);
}

TEST(Seals, TheEndHolesAreChosenHalfAsOftenAsTheOthers)
{
    // round(Rnd * 8): hole 0 takes [0, 1/16), holes 1..7 a width of 1/8 each, hole 8 [15/16, 1).
    struct Case { double rnd; int hole; };
    for (const Case c : {Case{0.0624, 0}, Case{0.0626, 1}, Case{0.1874, 1}, Case{0.1876, 2}, Case{0.9374, 7},
                         Case{0.9376, 8}, Case{0.9999, 8}}) {
        Game g;
        g.random.set_script({c.rnd});
        g.start();
        g.seal_tick();
        EXPECT_EQ(g.engine.ana_flag(c.hole), GameEngine::kSeal) << c.rnd;
    }
}

TEST(Yeti, AnUnhitYetiShowsItsSevenFramesAndGoes)
{
    Game g;
    g.settings.mipo_interval = 32767;
    g.settings.hazure_interval = 300;
    g.settings.hazure_rate = 50;
    g.random.set_script({0.0, at_hole(2)}); // r = 0 < 50: a yeti at hole 2
    g.start();
    g.clock.advance(300);
    g.engine.pass();
    EXPECT_EQ(g.engine.ana_flag(2), GameEngine::kYeti);
    EXPECT_EQ(g.fe.hole_sprite[2], 7);
    g.random.set_script({kNoYeti});
    for (int frame : {8, 9, 10, 9, 8, 7}) {
        g.clock.advance(300);
        g.engine.pass();
        EXPECT_EQ(g.fe.hole_sprite[2], frame);
    }
    g.clock.advance(300);
    g.engine.pass();
    EXPECT_EQ(g.fe.hole_sprite[2], -1);
    EXPECT_EQ(g.engine.ana_flag(2), GameEngine::kFree);
    EXPECT_EQ(g.engine.hazure_state(2), 0);
}

TEST(Yeti, RateZeroNeverAndRateHundredAlmostAlways)
{
    Game g;
    g.settings.mipo_interval = 32767;
    g.settings.hazure_interval = 30;
    g.settings.hazure_rate = 0;
    g.random.set_script({0.0, 0.3});
    g.start();
    g.play(10000);
    for (int h = 0; h < 9; ++h)
        EXPECT_EQ(g.engine.ana_flag(h), GameEngine::kFree);

    Game full;
    full.settings = {32767, 300, 100, 0};
    full.random.set_script({0.994, at_hole(5)}); // r = 99 < 100
    full.start();
    full.clock.advance(300);
    full.engine.pass();
    EXPECT_EQ(full.engine.ana_flag(5), GameEngine::kYeti);
    full.random.set_script({0.996, at_hole(6)}); // r = 100: the one miss in two hundred
    full.clock.advance(300);
    full.engine.pass();
    EXPECT_EQ(full.engine.ana_flag(6), GameEngine::kFree);
}

TEST(Passes, OwedTicksAreMadeUpOnePerPassAfterAStall)
{
    Game g;
    g.random.set_script({at_hole(0)});
    g.start();
    const std::size_t draws = g.random.draws();
    // The window stood still for two seconds (a menu was open).
    g.clock.advance(2000);
    g.engine.pass();
    EXPECT_EQ(g.random.draws() - draws, 1u); // one seal tick, not twenty
    EXPECT_EQ(g.engine.time_left(), 19);    // one second booked, not two
    for (int i = 0; i < 19; ++i)
        g.engine.pass(); // the same moment: the owed ticks come one per pass
    EXPECT_EQ(g.random.draws() - draws, 20u);
    g.engine.pass();
    EXPECT_EQ(g.random.draws() - draws, 20u);
    EXPECT_EQ(g.engine.time_left(), 19);
}

TEST(Passes, AnIntervalOfZeroTicksOncePerPass)
{
    Game g;
    g.settings.mipo_interval = 0;
    g.settings.hazure_interval = 0;
    g.random.set_script({kNoYeti});
    g.start();
    const std::size_t draws = g.random.draws();
    g.clock.advance(30);
    g.engine.pass();
    EXPECT_EQ(g.random.draws() - draws, 2u); // one seal tick, one yeti tick
}

TEST(Passes, AGameWithoutMissesLastsTwentyGameSeconds)
{
    Game g;
    g.random.set_script({kNoYeti});
    g.start();
    const uint32_t begun = g.clock.now_ms();
    while (g.engine.running()) {
        g.clock.advance(30);
        g.engine.pass();
    }
    const uint32_t length = g.clock.now_ms() - begun;
    EXPECT_GE(length, 20000u);
    EXPECT_LE(length, 20000u + 20 * 30);
    ASSERT_EQ(g.fe.finished.size(), 1u);
    EXPECT_EQ(g.engine.game_mode(), GameMode::Ready);
    EXPECT_FALSE(g.fe.pass_timer);
    EXPECT_EQ(g.fe.comment, u("帰る?逃げていい?"));
    EXPECT_FALSE(g.fe.topmost);
    EXPECT_FALSE(g.fe.stop_visible);
    EXPECT_EQ(g.fe.gauge_colour, qRgb(255, 255, 255));
    EXPECT_GE(g.fe.gauge_fraction, 1.0);
    EXPECT_EQ(g.fe.labels[0], "H0");
    EXPECT_EQ(g.fe.sounds.mid(g.fe.sounds.size() - 2), QStringList({"music stop", "music rewind"}));
}

TEST(Gauge, TheTimeBarFollowsTheRealTimeAndReddensToYellow)
{
    Game g;
    g.random.set_script({kNoYeti});
    g.start();
    g.clock.advance(990);
    g.engine.pass();
    // 210 units a game, one unit ahead: (210 * 990 / 20000 + 1) / 210 of the width.
    EXPECT_NEAR(g.fe.gauge_fraction, (210.0 * 990 / 20000 + 1) / 210, 1e-9);
    EXPECT_EQ(g.fe.gauge_colour, qRgb(255, 0, 21)); // green from the seconds left: 20 still
    g.play(12000);
    EXPECT_EQ(g.engine.time_left(), 8);
    EXPECT_EQ(g.fe.gauge_colour, qRgb(255, 153, 21)); // round(12 * 255 / 20) = 153
}

TEST(Hits, ASealHitInNormalModeScoresWithTheHolesOwnSound)
{
    Game g;
    g.random.set_script({at_hole(3), 0.5});
    g.start();
    g.seal_tick();
    g.random.set_script({0.5}); // the comment: round(0.5 * 21) = 10
    g.fe.log.clear();
    g.engine.hit_hole(3);
    EXPECT_EQ(g.engine.ana_flag(3), GameEngine::kStruck);
    EXPECT_EQ(g.engine.mipo_state(3), GameEngine::kStruckState);
    EXPECT_EQ(g.fe.log, QStringList({"restore 3", "sprite 3 5"}));
    EXPECT_EQ(g.fe.sounds.last(), "hit 3");
    EXPECT_EQ(g.fe.comment, "hit10");
    EXPECT_EQ(g.engine.score(), 100);
    EXPECT_EQ(g.fe.labels[0], u("得点100"));
    EXPECT_EQ(g.fe.labels[2], u("1匹。"));
    EXPECT_EQ(g.fe.labels[4], u("0回ミス。"));
    EXPECT_EQ(g.fe.labels[5], u("100%"));

    // The struck seal stays one tick, then its hole is empty again.
    g.random.set_script({at_hole(7)});
    g.seal_tick();
    EXPECT_EQ(g.engine.mipo_state(3), 9);
    EXPECT_EQ(g.fe.hole_sprite[3], 5);
    g.seal_tick(); // hole 7 taken: seals advance, the struck one goes anyway
    EXPECT_EQ(g.engine.mipo_state(3), 0);
    EXPECT_EQ(g.engine.ana_flag(3), GameEngine::kFree);
    EXPECT_EQ(g.fe.hole_sprite[3], -1);
    EXPECT_EQ(g.fe.hole_sprite[7], 2);

    // A strike at a hole already struck, or empty, is a miss.
    g.engine.hit_hole(3);
    EXPECT_EQ(g.engine.misses(), 1);
    EXPECT_EQ(g.engine.score(), 100);
}

TEST(Hits, ModeOfZanPicksItsPictureAndSound)
{
    struct Case { double rnd; QStringList drawn; QString sound; };
    const Case cases[] = {
        {0.2, {"restore 1", "sprite 1 5"}, "simple q1.wav"},
        {0.5, {"sprite 1 12"}, "simple zantetuken.wav"}, // drawn over the seal as it is
        {0.8, {"opaque 1 13"}, "simple q1.wav"},
    };
    for (const Case& c : cases) {
        Game g;
        g.random.set_script({at_hole(1)});
        g.engine.mode_click(1);
        EXPECT_EQ(g.fe.comment, "mode of ZAN");
        EXPECT_EQ(g.fe.mode_checked, 1);
        g.start();
        g.seal_tick();
        g.random.set_script({0.0, c.rnd}); // the comment first, then the pick
        g.fe.log.clear();
        g.engine.hit_hole(1);
        EXPECT_EQ(g.fe.log, c.drawn) << c.rnd;
        EXPECT_EQ(g.fe.sounds.last(), c.sound) << c.rnd;
        EXPECT_EQ(g.engine.score(), 100);
    }
}

TEST(Hits, TheYetiAndEmptyHolesCostASecond)
{
    Game g;
    g.settings = {32767, 300, 100, 0};
    g.random.set_script({0.0, at_hole(8)});
    g.start();
    g.clock.advance(300);
    g.engine.pass();
    ASSERT_EQ(g.engine.ana_flag(8), GameEngine::kYeti);
    const uint32_t start = g.engine.start_time();
    g.random.set_script({0.95}); // round(9.5) = 10: the last miss comment
    g.fe.log.clear();
    g.engine.hit_hole(8);
    EXPECT_EQ(g.fe.log, QStringList({"restore 8", "sprite 8 11"}));
    EXPECT_EQ(g.engine.ana_flag(8), GameEngine::kStruck);
    EXPECT_EQ(g.engine.hazure_state(8), GameEngine::kStruckState);
    EXPECT_EQ(g.engine.time_left(), 19);
    EXPECT_EQ(g.engine.misses(), 1);
    EXPECT_EQ(g.engine.start_time(), start - 1000);
    EXPECT_EQ(g.fe.labels[1], u("残時間19"));
    EXPECT_EQ(g.fe.labels[4], u("1回ミス。"));
    EXPECT_EQ(g.fe.comment, "miss10");
    EXPECT_EQ(g.fe.gauge_colour, qRgb(0, 0, 13)); // round(1 * 255 / 20)
    EXPECT_DOUBLE_EQ(g.fe.gauge_fraction, 1.0 / 20);

    // Beside every hole: nothing at all.
    g.engine.hit_hole(-1);
    EXPECT_EQ(g.engine.misses(), 1);
}

TEST(Hits, TheLastSecondLostToAMissEndsTheGameAtOnce)
{
    Game g;
    g.start();
    for (int i = 0; i < 19; ++i)
        g.engine.hit_hole(0);
    EXPECT_TRUE(g.engine.running());
    EXPECT_TRUE(g.fe.finished.empty());
    g.engine.hit_hole(0);
    EXPECT_FALSE(g.engine.running());
    ASSERT_EQ(g.fe.finished.size(), 1u);
    EXPECT_EQ(g.fe.finished[0].misses, 20);
    EXPECT_EQ(g.fe.finished[0].hits, 0);
    EXPECT_EQ(g.engine.game_mode(), GameMode::Ready);
    g.engine.hit_hole(0); // after the end strikes do nothing
    EXPECT_EQ(g.engine.misses(), 20);
}

TEST(Hits, RatesRoundHalfToEven)
{
    // A hit with no seal counted yet would divide by zero: it counts one appearance.
    Game g;
    g.random.set_script({at_hole(0), at_hole(1), at_hole(2), 0.0});
    g.start();
    g.seal_tick();
    g.seal_tick();
    g.seal_tick();
    g.engine.hit_hole(0);
    g.engine.hit_hole(1);
    EXPECT_EQ(g.fe.labels[5], u("67%"));

    Game eighth;
    std::vector<double> holes;
    for (int h = 0; h < 8; ++h)
        holes.push_back(at_hole(h));
    eighth.random.set_script(holes);
    eighth.start();
    for (int i = 0; i < 8; ++i)
        eighth.seal_tick();
    eighth.engine.hit_hole(0);
    EXPECT_EQ(eighth.engine.hit_rate(), 12); // 12.5 to the even neighbour
}

TEST(Hits, CountersStopAtTheirWidthsInsteadOfWrapping)
{
    Game g;
    g.settings.mipo_interval = 1;
    std::vector<double> holes;
    for (int h = 0; h < 9; ++h)
        holes.push_back(at_hole(h));
    g.start();
    for (int i = 0; i < 300; ++i) {
        const int hole = i % 9;
        g.random.set_script({holes[hole], 0.0});
        g.clock.advance(1);
        g.engine.pass();
        ASSERT_EQ(g.engine.ana_flag(hole), GameEngine::kSeal) << i;
        g.engine.hit_hole(hole);
    }
    EXPECT_EQ(g.engine.hits(), 255);
    EXPECT_EQ(g.engine.score(), 30000);
    EXPECT_EQ(g.fe.labels[2], u("255匹。"));
    EXPECT_LE(g.engine.hit_rate(), 100);
}

TEST(PauseAndResume, APauseKeepsTheTimeAndTheBoard)
{
    Game g;
    g.random.set_script({at_hole(4), kNoYeti});
    g.start();
    g.play(8200); // game seconds last a little over 1000 ms each
    ASSERT_EQ(g.engine.time_left(), 12);
    ASSERT_NE(g.fe.hole_sprite[4], -1);
    const double gauge = g.fe.gauge_fraction;
    const int sprite = g.fe.hole_sprite[4];

    g.engine.stop_act();
    EXPECT_EQ(g.engine.game_mode(), GameMode::Paused);
    EXPECT_FALSE(g.fe.pass_timer);
    EXPECT_FALSE(g.fe.topmost);
    EXPECT_EQ(g.fe.stop_caption, u("再開"));
    EXPECT_EQ(g.fe.labels[2], u("再開"));
    EXPECT_EQ(g.fe.sounds.last(), "music stop");
    g.engine.hit_hole(4); // strikes wait for the resume
    EXPECT_EQ(g.engine.score(), 0);

    g.clock.advance(60000);
    g.engine.pass(); // a stray pass does nothing while paused
    g.fe.log.clear();
    g.engine.stop_act();
    EXPECT_EQ(g.engine.game_mode(), GameMode::Playing);
    EXPECT_FALSE(g.fe.log.contains("restore_board")); // the seal stays where it can be struck
    EXPECT_EQ(g.fe.hole_sprite[4], sprite);
    EXPECT_TRUE(g.fe.topmost);
    EXPECT_EQ(g.fe.stop_caption, u("中断"));
    EXPECT_EQ(g.fe.labels[1], u("残時間12"));
    EXPECT_EQ(g.fe.labels[2], u("0匹。"));
    EXPECT_EQ(g.fe.sounds.last(), "music play");
    g.clock.advance(30);
    g.engine.pass();
    EXPECT_EQ(g.engine.time_left(), 12);
    EXPECT_NEAR(g.fe.gauge_fraction, gauge, 2.0 / 210);
}

TEST(PauseAndResume, APausedCountDownIsHeldAndFinishedOnResume)
{
    Game g;
    g.engine.begin();
    const uint32_t t0 = g.clock.now_ms();
    g.clock.set(t0 + 760);
    g.engine.count_down_tick();
    g.engine.count_down_tick();
    ASSERT_EQ(g.fe.count_down, 1);
    g.engine.stop_act();
    EXPECT_FALSE(g.fe.count_down_timer);
    EXPECT_TRUE(g.fe.board_enabled); // its menu serves the pause
    g.clock.advance(5000);
    g.engine.count_down_tick();
    EXPECT_FALSE(g.engine.running());
    EXPECT_FALSE(g.fe.pass_timer);

    g.engine.stop_act();
    EXPECT_TRUE(g.fe.count_down_timer);
    EXPECT_TRUE(g.engine.counting());
    EXPECT_FALSE(g.fe.board_enabled);
    g.clock.advance(230);
    g.engine.count_down_tick();
    EXPECT_EQ(g.fe.count_down, 1); // GO comes 1000 ms into the count-down, pause left out
    g.clock.advance(20);
    g.engine.count_down_tick();
    EXPECT_EQ(g.fe.count_down, 0);
    g.count_down();
    EXPECT_TRUE(g.engine.running());
    EXPECT_EQ(g.fe.comment, u("かかってきなさい。"));
}

TEST(PauseAndResume, ASecondPauseBeforeTheNextPassBooksOnlyItself)
{
    Game g;
    g.start();
    g.play(3000);
    const uint32_t last_pass = g.clock.now_ms();
    const uint32_t start = g.engine.start_time();
    const double gauge = g.fe.gauge_fraction;
    g.engine.stop_act();
    g.clock.advance(10000);
    g.engine.stop_act();
    g.clock.advance(10);
    g.engine.stop_act(); // paused again before any pass
    g.clock.advance(5000);
    g.engine.stop_act();
    EXPECT_EQ(g.engine.start_time(), start + (g.clock.now_ms() - last_pass));
    g.clock.advance(30);
    g.engine.pass();
    EXPECT_NEAR(g.fe.gauge_fraction, gauge, 2.0 / 210);
}

TEST(PauseAndResume, PauseAndResumeDoNothingWithoutAGame)
{
    Game g;
    g.engine.stop_act();
    EXPECT_EQ(g.engine.game_mode(), GameMode::Startup);
    EXPECT_FALSE(g.fe.stop_visible);
    EXPECT_TRUE(g.fe.sounds.isEmpty());
}

TEST(Reset, EveryPhaseGoesBackToTheReadyBoardWithoutAResult)
{
    enum Phase { CountingDown, CountDownPaused, Playing, Paused, Ready };
    for (Phase phase : {CountingDown, CountDownPaused, Playing, Paused, Ready}) {
        Game g;
        g.random.set_script({at_hole(4), kNoYeti});
        g.engine.mode_click(1);
        if (phase != Ready) {
            g.engine.begin();
            if (phase == Playing || phase == Paused) {
                g.count_down();
                g.play(3000);
            }
            if (phase == Paused || phase == CountDownPaused)
                g.engine.stop_act();
        }
        g.engine.reset_command();
        EXPECT_EQ(g.engine.game_mode(), GameMode::Ready) << phase;
        EXPECT_TRUE(g.fe.board_enabled) << phase;
        EXPECT_FALSE(g.engine.running());
        EXPECT_FALSE(g.engine.counting());
        EXPECT_FALSE(g.fe.pass_timer);
        EXPECT_FALSE(g.fe.count_down_timer);
        EXPECT_TRUE(g.fe.finished.empty());
        EXPECT_FALSE(g.fe.stop_visible);
        EXPECT_EQ(g.engine.hit_mode(), 0);
        EXPECT_EQ(g.fe.mode_checked, 0);
        EXPECT_EQ(g.engine.score(), 0);
        EXPECT_EQ(g.fe.comment, u("ミポぽかん｡2000"));
        EXPECT_EQ(g.fe.labels[0], "H0");
        EXPECT_FALSE(g.fe.topmost);
        EXPECT_TRUE(g.fe.log.contains("title_plate"));
        EXPECT_EQ(g.fe.sounds.mid(g.fe.sounds.size() - 2), QStringList({"music stop", "music rewind"}));
        // The ghost of a count-down never turns into a game.
        g.clock.advance(5000);
        g.engine.count_down_tick();
        g.engine.pass();
        EXPECT_FALSE(g.engine.running());
    }
}

TEST(Restart, ANewStartDuringAGameEndsItSilentlyAndStaysOnTop)
{
    Game g;
    g.random.set_script({at_hole(4), kNoYeti});
    g.start();
    g.play(5000);
    g.engine.hit_hole(4);
    g.engine.begin();
    EXPECT_TRUE(g.fe.finished.empty());
    EXPECT_TRUE(g.fe.topmost);
    EXPECT_TRUE(g.engine.counting());
    EXPECT_FALSE(g.engine.running());
    EXPECT_FALSE(g.fe.pass_timer);
    EXPECT_EQ(g.engine.score(), 0);
    EXPECT_EQ(g.engine.time_left(), 20);
    for (int h = 0; h < 9; ++h)
        EXPECT_EQ(g.engine.ana_flag(h), GameEngine::kFree);
    EXPECT_EQ(g.fe.count_down, 3);
}

TEST(Restart, ANewStartDuringTheCountDownCountsFromTheBeginning)
{
    Game g;
    g.engine.begin();
    g.clock.advance(1200);
    g.engine.count_down_tick();
    g.engine.count_down_tick();
    g.engine.begin();
    const uint32_t t0 = g.clock.now_ms();
    g.clock.set(t0 + 1200);
    for (int i = 0; i < 5; ++i)
        g.engine.count_down_tick();
    EXPECT_TRUE(g.engine.counting()); // the old count-down's end means nothing now
    EXPECT_FALSE(g.engine.running());
    g.clock.set(t0 + 1500);
    g.engine.count_down_tick();
    g.engine.count_down_tick();
    EXPECT_TRUE(g.engine.running());
    EXPECT_TRUE(g.fe.finished.empty());
}

TEST(Restart, ANewStartWhilePausedForgetsThePause)
{
    Game g;
    g.start();
    g.engine.hit_hole(0);
    g.engine.stop_act();
    g.engine.begin();
    EXPECT_EQ(g.engine.game_mode(), GameMode::Playing);
    EXPECT_EQ(g.fe.stop_caption, u("中断"));
    EXPECT_TRUE(g.fe.stop_visible);
    EXPECT_EQ(g.fe.labels[2], u("0匹。"));
    EXPECT_EQ(g.fe.labels[4], "H4");
    EXPECT_TRUE(g.fe.topmost);
    EXPECT_EQ(g.engine.misses(), 0);
    EXPECT_TRUE(g.fe.finished.empty());
}

TEST(EarlierBuild, MusicPlaysThroughAPauseHitsUseTheOneShotPlayerTheCountDownCounts)
{
    Game g(PlayOptions{true, true, true, true});
    g.random.set_script({at_hole(4)});
    g.engine.begin();
    g.clock.advance(320);
    g.engine.count_down_tick();
    EXPECT_EQ(g.fe.comment, "320"); // the milliseconds since the count-down began
    g.count_down();
    EXPECT_EQ(g.fe.board_tip, QString()); // no tip while a game runs
    g.seal_tick();
    g.fe.sounds.clear();
    g.engine.hit_hole(4);
    EXPECT_EQ(g.fe.sounds, QStringList({"simple q1.wav"}));
    g.fe.sounds.clear();
    g.engine.stop_act();
    g.engine.stop_act();
    EXPECT_TRUE(g.fe.sounds.isEmpty()); // the music was never stopped, nor started twice
    g.engine.reset_command();
    EXPECT_EQ(g.fe.board_tip, u("右クリックでメニューが出ます｡"));

    // The current build: none of that.
    Game now;
    now.engine.begin();
    now.clock.advance(320);
    now.engine.count_down_tick();
    EXPECT_EQ(now.fe.comment, QString());
    now.count_down();
    now.engine.reset_command();
    EXPECT_EQ(now.fe.board_tip, "none");
}

} // namespace
