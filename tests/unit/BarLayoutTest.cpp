#include <gtest/gtest.h>

#include "bar/BarLayout.h"

TEST(BarLayout, HitRectangles)
{
    EXPECT_EQ(BarHitRects[8], (HitRect{380, 30, 410, 60}));
    EXPECT_EQ(BarHitRects[17], (HitRect{375, 55, 415, 85}));
    // The overlap strip of an icon box and its time box counts as the icon.
    EXPECT_EQ(FindHitRect(BarHitRects, kBarHitRectCount, 35, 57), 0);
    EXPECT_EQ(FindHitRect(BarHitRects, kBarHitRectCount, 35, 61), 9);
    EXPECT_EQ(FindHitRect(BarHitRects, kBarHitRectCount, 410, 45), -1) << "edge of icon box 9";
    EXPECT_EQ(FindHitRect(BarHitRects, kBarHitRectCount, 448, 9), 18);
    EXPECT_EQ(FindHitRect(BarHitRects, kBarHitRectCount, 465, 8), 19);
    EXPECT_EQ(FindHitRect(BarHitRects, kBarHitRectCount, 300, 95), -1);
}

TEST(BarLayout, NumbersStandBeforeTheIconBoxes)
{
    const HitRect number = BarNumberRect(BarHitRects[0]);
    EXPECT_EQ(number, (HitRect{10, 30, 18, 62}));
}

TEST(BarLayout, NamesAreCentredAndKeptInsideTheWindow)
{
    const HitRect& first = BarHitRects[9];   // 15..55
    const HitRect& last = BarHitRects[17];   // 375..415
    EXPECT_EQ(BarNameRect(first, 20, 480), (HitRect{25, 55, 45, 92}));
    EXPECT_EQ(BarNameRect(first, 70, 480), (HitRect{0, 55, 70, 92})) << "exactly at the left edge";
    EXPECT_EQ(BarNameRect(first, 90, 480), (HitRect{0, 55, 90, 92})) << "pushed right to start at 0";
    EXPECT_EQ(BarNameRect(first, 41, 480), (HitRect{15, 55, 56, 92})) << "(40 - 41) / 2 truncates to 0";
    EXPECT_EQ(BarNameRect(last, 170, 480), (HitRect{310, 55, 480, 92})) << "exactly at the right edge";
    EXPECT_EQ(BarNameRect(last, 200, 480), (HitRect{280, 55, 480, 92})) << "pushed left to end at the width";
    EXPECT_EQ(BarNameRect(first, 600, 480), (HitRect{-120, 55, 480, 92})) << "wider than the window";
}

TEST(BarLayout, ARunningIconJumpsLeftInOddSecondsAndRightInEvenOnes)
{
    const HitRect box = BarHitRects[0];  // 20..50 wide: a 24-pixel icon centred at 23
    const struct {
        bool running;
        std::int32_t now;
        std::int32_t x;
    } rows[] = {{false, 7, 23}, {false, 8, 23}, {true, 7, 21}, {true, 8, 25}, {true, -3, 21}};
    for (const auto& row : rows) {
        EXPECT_EQ(BarIconPosition(box, 24, 24, row.running, row.now), (PixelPoint{row.x, 33})) << row.now;
    }
}
