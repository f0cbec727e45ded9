#include <gtest/gtest.h>

#include "skin/PixelScale.h"

TEST(PixelScale, WholeMultiplesOfTheBaseDpiPlusDoubleSize)
{
    const struct {
        int dpi;
        bool doubleSize;
        int scale;
    } rows[] = {{96, false, 1}, {120, false, 1}, {144, false, 1}, {191, false, 1}, {192, false, 2}, {288, false, 3},
                {96, true, 2},  {144, true, 2},  {192, true, 3},  {0, false, 1},   {-96, true, 2}, {100000, false, 8}};
    for (const auto& row : rows) EXPECT_EQ(PixelScaleFor(row.dpi, row.doubleSize), row.scale) << row.dpi;
}

TEST(PixelScale, PointsRoundDownAndAreasCoverTheirPixels)
{
    // The last screen pixel of a k x k block still belongs to its skin pixel,
    // also left of and above the window, where a captured mouse may be.
    EXPECT_EQ(ScaledDown({2 * 35 + 1, 2 * 45 + 1}, 2), (PixelPoint{35, 45}));
    EXPECT_EQ(ScaledDown({-1, -3}, 2), (PixelPoint{-1, -2}));
    EXPECT_EQ(ScaledDown({-4, 5}, 3), (PixelPoint{-2, 1}));
    EXPECT_EQ(ScaledDown({7, 7}, 1), (PixelPoint{7, 7}));
    EXPECT_EQ(CoveringFrameArea({3, 4, 9, 10}, 2), (PixelRect{1, 2, 5, 5}));
    EXPECT_EQ(CoveringFrameArea({0, 0, 960, 200}, 2), (PixelRect{0, 0, 480, 100}));
    EXPECT_EQ(ScaledUp({231, 126, 362, 149}, 2), (PixelRect{462, 252, 724, 298}));
}
