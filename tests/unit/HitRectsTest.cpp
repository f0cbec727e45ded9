#include <gtest/gtest.h>

#include "skin/HitRects.h"

TEST(HitRects, StrictlyInsideOnly)
{
    const HitRect table[] = {{10, 10, 20, 20}};
    EXPECT_EQ(FindHitRect(table, 1, 15, 15), 0);
    EXPECT_EQ(FindHitRect(table, 1, 11, 19), 0);
    for (auto [x, y] : {std::pair{10, 15}, {20, 15}, {15, 10}, {15, 20}, {10, 10}, {20, 20}, {5, 15}, {-15, -15}}) {
        EXPECT_EQ(FindHitRect(table, 1, x, y), -1) << x << "," << y;
    }
}

TEST(HitRects, FirstIndexWinsWhereRectanglesOverlap)
{
    // The bar's icon box over its time box: the strip y 56..59 belongs to the icon.
    const HitRect table[] = {{15, 55, 55, 85}, {20, 30, 50, 60}, {20, 30, 50, 60}};
    EXPECT_EQ(FindHitRect(table, 3, 30, 57), 0);
    EXPECT_EQ(FindHitRect(table + 1, 2, 30, 57), 0);
    EXPECT_EQ(FindHitRect(table, 3, 30, 40), 1);
    EXPECT_EQ(FindHitRect(table, 3, 52, 70), 0);
    EXPECT_EQ(FindHitRect(table, 3, 16, 57), 0);
}

TEST(HitRects, NoEntriesFindNothing)
{
    const HitRect table[] = {{0, 0, 100, 100}};
    EXPECT_EQ(FindHitRect(table, 0, 50, 50), -1);
    EXPECT_EQ(FindHitRect(table, -3, 50, 50), -1);
    EXPECT_EQ(FindHitRect(nullptr, 0, 50, 50), -1);
}

TEST(HitRects, DragKeepsThePressPointUnderThePointer)
{
    EXPECT_EQ(DragTopLeft({400, 300}, {35, 45}, {35, 45}), (PixelPoint{400, 300})) << "no move, no shift";
    EXPECT_EQ(DragTopLeft({400, 300}, {50, 40}, {35, 45}), (PixelPoint{415, 295}));
    // With the mouse captured the pointer can lie left of and above the window.
    EXPECT_EQ(DragTopLeft({400, 300}, {-20, -7}, {35, 45}), (PixelPoint{345, 248}));
    EXPECT_EQ(DragTopLeft({-100, -50}, {0, 0}, {10, 10}), (PixelPoint{-110, -60}));
}
