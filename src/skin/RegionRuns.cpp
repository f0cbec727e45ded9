#include "skin/RegionRuns.h"

#include <algorithm>
#include <climits>

namespace {

constexpr RegionRect kEmptyBounds{INT32_MAX, INT32_MAX, 0, 0};

}  // namespace

KeyBounds MakeKeyBounds(std::uint32_t keyColour, std::uint32_t tolerance)
{
    KeyBounds bounds{};
    for (int k = 0; k < 3; ++k) {
        const unsigned key = (keyColour >> (8 * k)) & 0xFF;
        const unsigned spread = (tolerance >> (8 * k)) & 0xFF;
        bounds.low[k] = static_cast<std::uint8_t>(key);
        bounds.high[k] = static_cast<std::uint8_t>(std::min(key + spread, 255u));
    }
    return bounds;
}

bool IsKeyPixel(const std::uint8_t* pixel, const KeyBounds& bounds)
{
    for (int k = 0; k < 3; ++k) {
        if (pixel[k] < bounds.low[k] || pixel[k] > bounds.high[k]) return false;
    }
    return true;
}

RectBatcher::RectBatcher(RectBatchStore& store) : m_store(store), m_bounds(kEmptyBounds) {}

bool RectBatcher::Add(const RegionRect& rect)
{
    if (m_nCount >= m_nCapacity) {
        if (!m_store.Grow(m_nCapacity + kRectCapacityStep)) return false;
        m_nCapacity += kRectCapacityStep;
    }
    m_store.Put(m_nCount, rect);
    m_bounds.left = std::min(m_bounds.left, rect.left);
    m_bounds.top = std::min(m_bounds.top, rect.top);
    m_bounds.right = std::max(m_bounds.right, rect.right);
    m_bounds.bottom = std::max(m_bounds.bottom, rect.bottom);
    if (++m_nCount == kRectBatchLimit) Flush();
    return true;
}

void RectBatcher::Flush()
{
    m_store.Flush(m_nCount, m_bounds, m_nCapacity);
    m_nCount = 0;
    m_bounds = kEmptyBounds;
}

bool ScanRegionRuns(const std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                    const KeyBounds& bounds, RectBatcher& batcher)
{
    if (width <= 0 || height <= 0) return true;
    const std::uint8_t* row = bits + static_cast<std::ptrdiff_t>(height - 1) * stride;
    for (std::int32_t y = 0; y < height; ++y, row -= stride) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::int32_t x0 = x;
            while (x < width && !IsKeyPixel(row + 4 * x, bounds)) ++x;
            if (x > x0 && !batcher.Add({x0, y, x, y + 1})) return false;
            // The loop's step passes over the key pixel that ended the run.
        }
    }
    return true;
}
