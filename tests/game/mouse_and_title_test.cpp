#include "game/window/title_sequence.h"
#include "game/play/mouse_cls.h"
#include "platform/scripted_random.h"
#include <gtest/gtest.h>

TEST(MouseCls, PointsInsideHoles)
{
    EXPECT_EQ(MouseCls::mouse_index(25, 25), 0);
    EXPECT_EQ(MouseCls::mouse_index(75, 125), 7);
    EXPECT_EQ(MouseCls::mouse_index(149.5f, 0.5f), 2);
    EXPECT_EQ(MouseCls::mouse_index(40, 75), 3);
    EXPECT_EQ(MouseCls::mouse_index(125, 75), 5);
    EXPECT_EQ(MouseCls::mouse_index(99.9f, 100.1f), 7);
}

TEST(MouseCls, GridLinesAndOutsideBelongToNoHole)
{
    EXPECT_EQ(MouseCls::mouse_index(50, 25), -1);
    EXPECT_EQ(MouseCls::mouse_index(25, 100), -1);
    EXPECT_EQ(MouseCls::mouse_index(0, 0), -1);
    EXPECT_EQ(MouseCls::mouse_index(150, 150), -1);
    EXPECT_EQ(MouseCls::mouse_index(-5, 25), -1);
    EXPECT_EQ(MouseCls::mouse_index(25, 151), -1);
}

TEST(MouseCls, CornersAndEmptyOutsideTheBoard)
{
    const int xs[] = {0, 50, 100, 0, 50, 100, 0, 50, 100};
    const int ys[] = {0, 0, 0, 50, 50, 50, 100, 100, 100};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(MouseCls::mipo_x(i), xs[i]);
        EXPECT_EQ(MouseCls::mipo_y(i), ys[i]);
        // every corner lies in its own hole, just inside
        EXPECT_EQ(MouseCls::mouse_index(xs[i] + 1.0f, ys[i] + 1.0f), i);
    }
    EXPECT_FALSE(MouseCls::mipo_x(9).has_value());
    EXPECT_FALSE(MouseCls::mipo_y(-1).has_value());
    EXPECT_EQ(MouseCls::mipo_x(-32768).value_or(0), 0);
}

TEST(MouseCls, DebugCaption)
{
    EXPECT_EQ(MouseCls::click_caption(12, 34, 0), "click x y index12 34 0");
    EXPECT_EQ(MouseCls::click_caption(149.5f, 0.5f, 2), "click x y index149.5 0.5 2");
}

TEST(TitleSequence, MakerLinesThenRaysThenEnd)
{
    platform::ScriptedRandom random({0.5, 0.25});
    TitleSequence title(random, 210, 360);
    EXPECT_EQ(title.centre(), QPoint(105, 180));
    std::vector<TitleSequence::Step> steps;
    while (steps.empty() || !steps.back().finished)
        steps.push_back(title.tick());

    EXPECT_EQ(steps[14].label, std::optional<QString>("since 1996"));
    EXPECT_EQ(steps[29].label, std::optional<QString>("at 2000"));
    EXPECT_EQ(steps[44].label, std::optional<QString>(""));
    EXPECT_FALSE(steps[15].label.has_value());
    EXPECT_TRUE(steps[58].lines.empty());
    ASSERT_EQ(steps[59].lines.size(), 2u);
    EXPECT_EQ(steps[59].lines[0].to, QPoint(300, 100));
    EXPECT_EQ(steps[59].lines[0].color, qRgb(0, 0, 255));
    EXPECT_EQ(steps[59].lines[1].color, qRgb(255, 0, 0));
    EXPECT_EQ(steps[59].circle_radius, 3);
    // The panel slides from radius 102 on, the title ends past 200.
    EXPECT_FALSE(steps[91].move_panel);
    EXPECT_TRUE(steps[92].move_panel);
    EXPECT_EQ(steps.size(), 126u);
    EXPECT_EQ(title.open_r(), 201);
}

TEST(TitleSequence, RandomPointsRoundHalfToEven)
{
    platform::ScriptedRandom random({0.5 / 600 * 5, 0.5 / 400 * 3});
    TitleSequence title(random, 211, 361);
    EXPECT_EQ(title.centre(), QPoint(106, 180)); // 105.5 -> 106, 180.5 -> 180
    for (int i = 0; i < 59; ++i)
        title.tick();
    const auto step = title.tick();
    EXPECT_EQ(step.lines[0].to, QPoint(2, 2)); // 2.5 -> 2, 1.5 -> 2
}
