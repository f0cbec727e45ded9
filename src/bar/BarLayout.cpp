#include "bar/BarLayout.h"

namespace {

constexpr HitRect IconBox(int slot)
{
    return {20 + 45 * slot, 30, 50 + 45 * slot, 60};
}

constexpr HitRect TimeBox(int slot)
{
    return {15 + 45 * slot, 55, 55 + 45 * slot, 85};
}

}  // namespace

const HitRect BarHitRects[kBarHitRectCount] = {
    IconBox(0), IconBox(1), IconBox(2), IconBox(3), IconBox(4), IconBox(5), IconBox(6), IconBox(7), IconBox(8),
    TimeBox(0), TimeBox(1), TimeBox(2), TimeBox(3), TimeBox(4), TimeBox(5), TimeBox(6), TimeBox(7), TimeBox(8),
    {440, 1, 456, 17},  // pin
    {460, 3, 471, 14},  // close
};

PixelPoint BarIconPosition(const HitRect& box, std::int32_t width, std::int32_t height, bool running,
                          std::int32_t now)
{
    std::int32_t x = box.left + (box.Width() - width) / 2;
    const std::int32_t y = box.top + (box.Height() - height) / 2;
    if (running) x += now % 2 != 0 ? -2 : 2;
    return {x, y};
}

HitRect BarTimeColumn(const HitRect& timeBox)
{
    // Boxes are 40 wide on a 45 pitch: 2 of the gap go left, 3 right.
    return {timeBox.left - 2, timeBox.top, timeBox.right + 3, timeBox.bottom};
}

HitRect BarNumberRect(const HitRect& iconBox)
{
    return {iconBox.left - 10, iconBox.top, iconBox.left - 2, iconBox.bottom + 2};
}

HitRect BarNameRect(const HitRect& timeBox, std::int32_t cx, std::int32_t windowWidth)
{
    HitRect rect{timeBox.left, timeBox.top, timeBox.right, timeBox.bottom + 7};
    rect.left = timeBox.left + (timeBox.Width() - cx) / 2;
    if (rect.left < 0) rect.left = 0;
    rect.right = rect.left + cx;
    if (rect.right > windowWidth) {
        rect.right = windowWidth;
        rect.left = windowWidth - cx;
    }
    return rect;
}
