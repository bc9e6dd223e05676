#include "platform/ui/surface.h"
#include <gtest/gtest.h>

using namespace platform;

namespace {

const QRgb kKey = qRgb(255, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBack = qRgb(0, 0, 255);

// A 50 x 50 sprite: key colour all round, a red 10 x 10 block in the middle.
Surface make_sprite()
{
    Surface s(50, 50, kKey);
    s.fill_rect(QRect(20, 20, 10, 10), kRed);
    return s;
}

} // namespace

TEST(TransBlt, OpaquePixelsReplaceKeyPixelsLeaveDestination)
{
    Surface dest(100, 100, kBack);
    const Surface sprite = make_sprite();
    trans_blt(dest, 10, 10, 50, 50, sprite, 0, 0, sprite.pixel(0, 0));
    EXPECT_EQ(dest.pixel(30, 30), kRed);
    EXPECT_EQ(dest.pixel(39, 39), kRed);
    EXPECT_EQ(dest.pixel(29, 29), kBack);
    EXPECT_EQ(dest.pixel(40, 40), kBack);
    EXPECT_EQ(dest.pixel(10, 10), kBack);
}

TEST(TransBlt, AllKeySpriteDrawsNothing)
{
    Surface dest(60, 60, kBack);
    dest.fill_rect(QRect(5, 5, 3, 3), kRed);
    const QImage before = dest.image().copy();
    Surface blank(50, 50, kKey);
    trans_blt(dest, 0, 0, 50, 50, blank, 0, 0, blank.pixel(0, 0));
    EXPECT_EQ(dest.image(), before);
}

TEST(TransBlt, NearKeyColourIsOpaque)
{
    Surface dest(50, 50, kBack);
    Surface sprite(50, 50, kKey);
    sprite.fill_rect(QRect(0, 1, 1, 1), qRgb(254, 0, 255));
    trans_blt(dest, 0, 0, 50, 50, sprite, 0, 0, sprite.pixel(0, 0));
    EXPECT_EQ(dest.pixel(0, 1), qRgb(254, 0, 255));
    EXPECT_EQ(dest.pixel(0, 0), kBack);
}

TEST(TransBlt, TwiceEqualsOnce)
{
    Surface once(80, 80, kBack), twice(80, 80, kBack);
    const Surface sprite = make_sprite();
    trans_blt(once, 5, 7, 50, 50, sprite, 0, 0, kKey);
    trans_blt(twice, 5, 7, 50, 50, sprite, 0, 0, kKey);
    trans_blt(twice, 5, 7, 50, 50, sprite, 0, 0, kKey);
    EXPECT_EQ(once.image(), twice.image());
}

TEST(TransBlt, ClipsAtEveryEdgeWithoutTouchingOutside)
{
    Surface dest(30, 30, kBack);
    Surface sprite(50, 50, kRed);
    sprite.fill_rect(QRect(0, 0, 1, 1), kKey);
    trans_blt(dest, -10, -10, 50, 50, sprite, 0, 0, kKey);
    EXPECT_EQ(dest.pixel(0, 0), kRed);   // source (10, 10)
    EXPECT_EQ(dest.pixel(29, 29), kRed); // source (39, 39)
    trans_blt(dest, 25, 25, 50, 50, sprite, 0, 0, kKey);
    trans_blt(dest, 100, 100, 50, 50, sprite, 0, 0, kKey);
    trans_blt(dest, 0, 0, -5, 10, sprite, 0, 0, kKey);
    EXPECT_EQ(dest.width(), 30);
}

TEST(TransBlt, SourceOffsetAndPartialBlock)
{
    Surface dest(10, 10, kBack);
    Surface src(20, 20, kKey);
    src.fill_rect(QRect(12, 12, 2, 2), kRed);
    trans_blt(dest, 0, 0, 4, 4, src, 11, 11, kKey);
    EXPECT_EQ(dest.pixel(0, 0), kBack);
    EXPECT_EQ(dest.pixel(1, 1), kRed);
    EXPECT_EQ(dest.pixel(2, 2), kRed);
    EXPECT_EQ(dest.pixel(3, 3), kBack);
}

TEST(SurfaceDrawing, CopyFillAndResizeKeepContent)
{
    Surface a(20, 20, kBack);
    Surface b(20, 20, kKey);
    b.fill_rect(QRect(0, 0, 5, 5), kRed);
    a.copy_from(b, QRect(0, 0, 10, 10), QPoint(10, 10));
    EXPECT_EQ(a.pixel(10, 10), kRed);
    EXPECT_EQ(a.pixel(19, 19), kKey);
    EXPECT_EQ(a.pixel(9, 9), kBack);
    a.resize(30, 25, kRed);
    EXPECT_EQ(a.pixel(10, 10), kRed);
    EXPECT_EQ(a.pixel(0, 0), kBack);
    EXPECT_EQ(a.pixel(29, 24), kRed);
    EXPECT_EQ(a.pixel(-1, 0), 0u);
}
