#include "blank_close_rule.h"
#include <gtest/gtest.h>

TEST(BlankCloseRule, SevenMovesFarEnoughBothWaysClose)
{
    BlankCloseRule rule(100, 100);
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(rule.on_move(500, 500)) << "move " << i << ": the first six never close";
    EXPECT_TRUE(rule.on_move(500, 500));
    EXPECT_EQ(rule.move_count(), 7);
}

TEST(BlankCloseRule, SixPixelsIsNotFarEnough)
{
    BlankCloseRule rule(100, 100);
    for (int i = 0; i < 6; ++i)
        rule.on_move(100, 100);
    EXPECT_FALSE(rule.on_move(106, 106));
    EXPECT_FALSE(rule.on_move(94, 94));
    EXPECT_FALSE(rule.on_move(107, 106));
    EXPECT_FALSE(rule.on_move(106, 107));
    EXPECT_TRUE(rule.on_move(93, 107));
}

TEST(BlankCloseRule, StraightMovesNeverClose)
{
    BlankCloseRule rule(300, 300);
    for (int x = 0; x < 3000; x += 3)
        EXPECT_FALSE(rule.on_move(x, 300));
    for (int y = 0; y < 3000; y += 3)
        EXPECT_FALSE(rule.on_move(300, y));
}

TEST(BlankCloseRule, CountIsNeverReset)
{
    BlankCloseRule rule(50, 50);
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(rule.on_move(51, 50));
    EXPECT_TRUE(rule.on_move(0, 0)) << "one far move after many small ones";
}

TEST(BlankCloseRule, PositionsAndDistancesAreSixteenBit)
{
    // The position wraps at 65536 like the halves of the classic mouse message.
    BlankCloseRule wrapped(100, 100);
    for (int i = 0; i < 6; ++i)
        wrapped.on_move(100, 100);
    EXPECT_TRUE(wrapped.on_move(65536 + 110, 65536 + 110));

    // A distance over 32767 turns negative as a 16-bit signed value.
    BlankCloseRule far(0, 0);
    for (int i = 0; i < 6; ++i)
        far.on_move(0, 0);
    EXPECT_FALSE(far.on_move(40000, 40000));
    EXPECT_TRUE(far.on_move(30000, 30000));
}
