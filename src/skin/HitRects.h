// Hit rectangles of the skinned windows and the arithmetic of dragging them.
#pragma once

#include <cstdint>

// Laid out like a Win32 RECT, in client pixels.
struct HitRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
};

// Index of the first rectangle that holds the point strictly inside
// (edges are outside), or -1.
int FindHitRect(const HitRect* table, int count, std::int32_t x, std::int32_t y);

struct DragPoint {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const DragPoint& other) const { return x == other.x && y == other.y; }
};

// Where a dragged window's top-left corner goes so that the press point stays
// under the pointer; `pointer` and `press` are client points of the window at
// `windowTopLeft`.
DragPoint DragTopLeft(DragPoint windowTopLeft, DragPoint pointer, DragPoint press);
