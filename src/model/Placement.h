// Where the program's windows go on the screen: at a stored corner, centred,
// pulled inside a work area, or beside another window. No Windows here.
#pragma once

#include <cstdint>

#include "model/Geometry.h"

// The rectangle of a window of the given size at a stored top-left corner; a
// corner near the end of the coordinate range gives edges clamped to it.
PixelRect WindowRectAt(PixelPoint topLeft, std::int32_t width, std::int32_t height);

// Where a window of the given size sits when centred in a work area, pulled
// back inside the area where it would stick out.
PixelPoint CentreInWorkArea(const PixelRect& workArea, std::int32_t width, std::int32_t height);

// Where a window moves so that it lies whole in a work area, as far as it
// fits (a window larger than the area keeps its left or top edge on it).
PixelPoint MoveInsideWorkArea(const PixelRect& workArea, const PixelRect& window);

// Where a window of the given size opens beside another, leaving it in view:
// centred on it across, below it, or above it where there is no room below,
// or centred in the work area where neither fits; whole on the work area.
PixelPoint PlaceBeside(const PixelRect& workArea, const PixelRect& beside, std::int32_t width, std::int32_t height);
