#include "clock/clock_face.h"
#include "clock/clock_ticker.h"
#include "clock/time_text.h"
#include "clock/twips.h"
#include <gtest/gtest.h>
#include <cmath>

TEST(ClockFace, QuarterSecondsSitNextToTheirLabels)
{
    EXPECT_EQ(ClockFace::dot_position(0), QPoint(125, 65));
    EXPECT_EQ(ClockFace::dot_position(15), QPoint(65, 5));
    EXPECT_EQ(ClockFace::dot_position(30), QPoint(5, 65));
    EXPECT_EQ(ClockFace::dot_position(45), QPoint(65, 125));
}

TEST(ClockFace, DotRunsCounterClockwiseOnTheCircle)
{
    double previous = -1;
    for (int s = 0; s < 60; ++s) {
        const QPoint p = ClockFace::dot_position(s);
        const double dx = p.x() - 65, dy = 65 - p.y(); // y grows downwards on screen
        EXPECT_NEAR(std::hypot(dx, dy), 60.0, 0.75) << "second " << s;
        double angle = std::atan2(dy, dx) * 180.0 / M_PI;
        if (angle < -0.5)
            angle += 360.0;
        EXPECT_NEAR(angle, s * 6.0, 1.0) << "second " << s;
        EXPECT_GT(angle, previous) << "second " << s;
        previous = angle;
    }
}

TEST(ClockFace, ColoursRoundHalvesToEven)
{
    // s * 255 / 60 = 8.5, 25.5, 42.5, 127.5 at these seconds.
    EXPECT_EQ(ClockFace::circle_colour(0), qRgb(0, 255, 0));
    EXPECT_EQ(ClockFace::circle_colour(2), qRgb(8, 255, 0));
    EXPECT_EQ(ClockFace::circle_colour(6), qRgb(26, 255, 0));
    EXPECT_EQ(ClockFace::circle_colour(59), qRgb(251, 255, 0));

    EXPECT_EQ(ClockFace::dot_colour(0), qRgb(0, 0, 255));
    EXPECT_EQ(ClockFace::dot_colour(2), qRgb(8, 2, 246));
    EXPECT_EQ(ClockFace::dot_colour(10), qRgb(42, 10, 212));
    EXPECT_EQ(ClockFace::dot_colour(30), qRgb(128, 30, 128));
    EXPECT_EQ(ClockFace::dot_colour(59), qRgb(251, 59, 4));
}

TEST(ClockTicker, SecondsComeFromTheLastTwoCharacters)
{
    EXPECT_EQ(ClockTicker::seconds_of(QStringLiteral("12:34:05")), 5);
    EXPECT_EQ(ClockTicker::seconds_of(QStringLiteral("午後 1:02:59")), 59);
    // Locales with their own digits still give the seconds.
    EXPECT_EQ(ClockTicker::seconds_of(QString::fromUtf8("١٢:٣٤:٥٦")), 56);
    EXPECT_EQ(ClockTicker::seconds_of(QString::fromUtf8("𞥑𞥓:𞥐𞥔:𞥐𞥗")), 7); // digits beyond the BMP
    EXPECT_EQ(ClockTicker::seconds_of(QStringLiteral("12:34 PM")), std::nullopt);
    EXPECT_EQ(ClockTicker::seconds_of(QStringLiteral("12:34:75")), std::nullopt);
    EXPECT_EQ(ClockTicker::seconds_of(QStringLiteral("7")), std::nullopt);
}

TEST(ClockTicker, TrailIsWipedAtEachNewMinuteOnly)
{
    ClockTicker t;
    const QString date = QStringLiteral("2026/12/08");

    ClockPass p = t.pass(QStringLiteral("12:34:56"), date);
    EXPECT_EQ(p.caption, QStringLiteral("12:34:56\r\n2026/12/08"));
    EXPECT_FALSE(p.clear) << "the splash stays until the first full minute";
    EXPECT_TRUE(p.changed);

    p = t.pass(QStringLiteral("12:34:56"), date);
    EXPECT_FALSE(p.clear);
    EXPECT_FALSE(p.changed) << "same second again: nothing new";

    p = t.pass(QStringLiteral("12:34:57"), date);
    EXPECT_FALSE(p.clear);
    EXPECT_TRUE(p.changed);
    EXPECT_EQ(p.seconds, 57);

    // Every pass during second 0 clears and draws the first dot again.
    for (int i = 0; i < 4; ++i) {
        p = t.pass(QStringLiteral("12:35:00"), date);
        EXPECT_TRUE(p.clear);
        EXPECT_TRUE(p.changed);
        EXPECT_EQ(p.seconds, 0);
    }
    p = t.pass(QStringLiteral("12:35:01"), date);
    EXPECT_FALSE(p.clear);
}

TEST(ClockTicker, NewMinuteWithoutItsSecondZeroStillWipes)
{
    ClockTicker t;
    t.pass(QStringLiteral("12:34:58"), QString());
    ClockPass p = t.pass(QStringLiteral("12:35:02"), QString());
    EXPECT_TRUE(p.clear);
    EXPECT_EQ(p.seconds, 2);
    // Held up for minutes, landing on a later second of another minute.
    t.pass(QStringLiteral("12:35:10"), QString());
    p = t.pass(QStringLiteral("12:41:30"), QString());
    EXPECT_TRUE(p.clear);
}

TEST(ClockTicker, WideDigitsDoNotLookLikeANewMinute)
{
    ClockTicker t;
    t.pass(QString::fromUtf8("𞥑𞥓:𞥐𞥔:𞥐𞥗"), QString());
    EXPECT_FALSE(t.pass(QString::fromUtf8("𞥑𞥓:𞥐𞥔:𞥑𞥐"), QString()).clear); // 13:04:07 -> 13:04:10
}

TEST(ClockTicker, FirstPassAtSecondZeroClearsTheSplash)
{
    ClockTicker t;
    EXPECT_TRUE(t.pass(QStringLiteral("08:00:00"), QString()).clear);
}

TEST(TimeText, ShortFormatsGainSecondsAtTheEnd)
{
    EXPECT_EQ(TimeText::time_format(QStringLiteral("HH:mm")), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(TimeText::time_format(QStringLiteral("H:mm")), QStringLiteral("H:mm:ss"));
    EXPECT_EQ(TimeText::time_format(QStringLiteral("h:mm AP")), QStringLiteral("AP h:mm:ss"));
    EXPECT_EQ(TimeText::time_format(QStringLiteral("HH.mm")), QStringLiteral("HH.mm.ss"));
    EXPECT_EQ(TimeText::time_format(QStringLiteral("HH:mm:ss t")), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(TimeText::time_format(QStringLiteral("HH 'h' mm")), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(TimeText::time_format(QStringLiteral("nonsense")), QStringLiteral("HH:mm:ss"));
}

TEST(TimeText, EveryLocaleEndsInItsSeconds)
{
    const QTime t1(13, 4, 7), t2(23, 59, 59), t3(0, 0, 0);
    const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        const TimeText text(locale);
        const QString name = locale.name();
        EXPECT_EQ(ClockTicker::seconds_of(text.time(t1)), 7) << name.toStdString() << " " << text.time(t1).toStdString();
        EXPECT_EQ(ClockTicker::seconds_of(text.time(t2)), 59) << name.toStdString();
        EXPECT_EQ(ClockTicker::seconds_of(text.time(t3)), 0) << name.toStdString();
        // Hours and minutes are still there, ahead of the seconds.
        const QString minute = ClockTicker::minute_of(text.time(t1));
        EXPECT_EQ(minute, ClockTicker::minute_of(text.time(QTime(13, 4, 52)))) << name.toStdString();
        EXPECT_NE(minute, ClockTicker::minute_of(text.time(QTime(13, 5, 7)))) << name.toStdString();
        EXPECT_NE(minute, ClockTicker::minute_of(text.time(QTime(14, 4, 7)))) << name.toStdString();
    }
}

TEST(Twips, WindowPlacementFollowsTheScreenDpi)
{
    EXPECT_EQ(twips_to_pixels(2000, 96), 133);
    EXPECT_EQ(twips_to_pixels(200, 96), 13);
    EXPECT_EQ(twips_to_pixels(2000, 120), 166);
    EXPECT_EQ(twips_to_pixels(2000, 144), 200);
}
