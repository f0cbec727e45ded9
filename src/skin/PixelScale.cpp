#include "skin/PixelScale.h"

#include <algorithm>

namespace {

std::int32_t FloorDiv(std::int32_t value, std::int32_t divisor)
{
    const std::int32_t quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

std::int32_t CeilDiv(std::int32_t value, std::int32_t divisor)
{
    return -FloorDiv(-value, divisor);
}

}  // namespace

int PixelScaleFor(int dpi, bool doubleSize)
{
    // Beyond eight a window would outgrow any screen: a damaged DPI value, not a display.
    return std::clamp(dpi / kBaseDpi, 1, 8) + (doubleSize ? 1 : 0);
}

PixelPoint ScaledDown(PixelPoint point, int scale)
{
    return {FloorDiv(point.x, scale), FloorDiv(point.y, scale)};
}

PixelRect CoveringFrameArea(const PixelRect& windowArea, int scale)
{
    return {FloorDiv(windowArea.left, scale), FloorDiv(windowArea.top, scale), CeilDiv(windowArea.right, scale),
            CeilDiv(windowArea.bottom, scale)};
}

PixelRect ScaledUp(const PixelRect& rect, int scale)
{
    return {rect.left * scale, rect.top * scale, rect.right * scale, rect.bottom * scale};
}
