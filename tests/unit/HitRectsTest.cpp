#include <gtest/gtest.h>

#include "skin/HitRects.h"

TEST(HitRects, DragKeepsThePressPointUnderThePointer)
{
    EXPECT_EQ(DragTopLeft({400, 300}, {35, 45}, {35, 45}), (PixelPoint{400, 300})) << "no move, no shift";
    EXPECT_EQ(DragTopLeft({400, 300}, {50, 40}, {35, 45}), (PixelPoint{415, 295}));
    // With the mouse captured the pointer can lie left of and above the window.
    EXPECT_EQ(DragTopLeft({400, 300}, {-20, -7}, {35, 45}), (PixelPoint{345, 248}));
    EXPECT_EQ(DragTopLeft({-100, -50}, {0, 0}, {10, 10}), (PixelPoint{-110, -60}));
}
