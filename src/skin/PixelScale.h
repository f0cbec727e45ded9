// Whole-pixel scaling of the skinned windows on high-DPI screens: each window
// is composed at 1x and shown k times larger, every skin pixel a k x k block.
#pragma once

#include <cstdint>

#include "model/Geometry.h"

constexpr int kBaseDpi = 96;

// k for a monitor's DPI: the whole multiples of 96 it holds (at least one),
// and one more for the "double size" choice.
int PixelScaleFor(int dpi, bool doubleSize);

// A 1x point of a window point at scale k (rounded down, also left of and
// above the window, where a captured mouse may be).
PixelPoint ScaledDown(PixelPoint point, int scale);
// The 1x area that covers a window area at scale k.
PixelRect CoveringFrameArea(const PixelRect& windowArea, int scale);
PixelRect ScaledUp(const PixelRect& rect, int scale);
