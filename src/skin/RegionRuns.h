// How a skin picture becomes a window outline, without Windows: the runs of
// non-key pixels of each row, collected in batches that a store turns into
// regions.
#pragma once

#include <cstdint>

#include "model/Geometry.h"

// One run of a region: a rectangle one pixel high.
using RegionRect = PixelRect;

constexpr std::int32_t kRectCapacityStep = 100;  // the buffer starts at and grows by this
constexpr std::int32_t kRectBatchLimit = 2000;   // rectangles per region made at once

// Inclusive byte bounds of a key pixel, by memory byte order (blue, green, red).
struct KeyBounds {
    std::uint8_t low[3];
    std::uint8_t high[3];
};

// Byte k of the key colour bounds byte k of a pixel; the upper bound adds the
// tolerance's byte k, capped at 255.
KeyBounds MakeKeyBounds(std::uint32_t keyColour, std::uint32_t tolerance);
bool IsKeyPixel(const std::uint8_t* pixel, const KeyBounds& bounds);

// Where a batch of rectangles lives. The owner allocates room for
// kRectCapacityStep rectangles before the first one is added.
class RectBatchStore {
public:
    virtual ~RectBatchStore() = default;
    // Makes room for `capacity` rectangles, keeping those stored; false when
    // there is no memory (the build then gives up).
    virtual bool Grow(std::int32_t capacity) = 0;
    virtual void Put(std::int32_t index, const RegionRect& rect) = 0;
    // Turns the first `count` rectangles into a region and merges it into the
    // result; `capacity` is the room the buffer has.
    virtual void Flush(std::int32_t count, const RegionRect& bounds, std::int32_t capacity) = 0;
};

class RectBatcher {
public:
    explicit RectBatcher(RectBatchStore& store);

    // False when the buffer could not grow.
    bool Add(const RegionRect& rect);
    // Hands the current batch (possibly empty) to the store and starts anew.
    void Flush();

private:
    RectBatchStore& m_store;
    std::int32_t m_nCapacity = kRectCapacityStep;
    std::int32_t m_nCount = 0;
    RegionRect m_bounds;
};

// Adds one rectangle, one pixel high, per run of non-key pixels: rows from the
// top of the picture down, in a 32-bit bottom-up pixel buffer (the first row in
// memory is the picture's bottom row). False when the buffer could not grow.
bool ScanRegionRuns(const std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                    const KeyBounds& bounds, RectBatcher& batcher);
