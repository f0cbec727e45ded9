#include "skin/HitRects.h"

int FindHitRect(const HitRect* table, int count, std::int32_t x, std::int32_t y)
{
    for (int i = 0; i < count; ++i) {
        const HitRect& rect = table[i];
        if (rect.left < x && x < rect.right && rect.top < y && y < rect.bottom) return i;
    }
    return -1;
}

PixelPoint DragTopLeft(PixelPoint windowTopLeft, PixelPoint pointer, PixelPoint press)
{
    return {windowTopLeft.x + pointer.x - press.x, windowTopLeft.y + pointer.y - press.y};
}
