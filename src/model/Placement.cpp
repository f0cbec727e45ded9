#include "model/Placement.h"

#include "model/Int32.h"

namespace {

// A position on one axis pulled inside [low, high); the low edge wins where
// the size does not fit. Computed in 64 bits: a stored position may be anywhere.
std::int32_t InsideAxis(std::int64_t position, std::int64_t low, std::int64_t high, std::int64_t size)
{
    if (position + size > high) position = high - size;
    if (position < low) position = low;
    return static_cast<std::int32_t>(position);
}

std::int32_t CentreAxis(std::int32_t low, std::int32_t high, std::int32_t size)
{
    return InsideAxis((std::int64_t{low} + high) / 2 - size / 2, low, high, size);
}

}  // namespace

PixelRect WindowRectAt(PixelPoint topLeft, std::int32_t width, std::int32_t height)
{
    return {topLeft.x, topLeft.y, ClampToInt32(std::int64_t{topLeft.x} + width),
            ClampToInt32(std::int64_t{topLeft.y} + height)};
}

PixelPoint CentreInWorkArea(const PixelRect& workArea, std::int32_t width, std::int32_t height)
{
    return {CentreAxis(workArea.left, workArea.right, width), CentreAxis(workArea.top, workArea.bottom, height)};
}

PixelPoint MoveInsideWorkArea(const PixelRect& workArea, const PixelRect& window)
{
    return {InsideAxis(window.left, workArea.left, workArea.right, window.Width()),
            InsideAxis(window.top, workArea.top, workArea.bottom, window.Height())};
}

PixelPoint PlaceBeside(const PixelRect& workArea, const PixelRect& beside, std::int32_t width, std::int32_t height)
{
    std::int32_t top = beside.bottom;
    if (top + height > workArea.bottom) top = beside.top - height;
    if (top < workArea.top) top = CentreInWorkArea(workArea, width, height).y;
    const std::int32_t left = beside.left + (beside.Width() - width) / 2;
    return MoveInsideWorkArea(workArea, WindowRectAt({left, top}, width, height));
}
