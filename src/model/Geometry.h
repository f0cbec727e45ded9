// Points and rectangles in pixels, laid out like the Win32 POINT and RECT.
#pragma once

#include <cstdint>

struct PixelPoint {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
};

struct PixelRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const PixelRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};
