// Hit rectangles of the skinned windows and the arithmetic of dragging them.
#pragma once

#include <cstdint>

#include "model/Geometry.h"

// An active area of a skinned window, in client pixels.
using HitRect = PixelRect;

// Index of the first rectangle that holds the point strictly inside
// (edges are outside), or -1.
int FindHitRect(const HitRect* table, int count, std::int32_t x, std::int32_t y);

// Where a dragged window's top-left corner goes so that the press point stays
// under the pointer; `pointer` and `press` are client points of the window at
// `windowTopLeft`.
PixelPoint DragTopLeft(PixelPoint windowTopLeft, PixelPoint pointer, PixelPoint press);
