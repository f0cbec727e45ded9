#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "skin/RegionRuns.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// A 32-bit bottom-up picture, addressed top-down like the skin.
struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> bits;
    Picture(int w, int h, std::uint32_t fill = 0xFFFFFF) : width(w), height(h), bits(static_cast<size_t>(w) * h * 4)
    {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) Set(x, y, fill);
        }
    }
    // colour as 0xRRGGBB; memory order is blue, green, red, unused
    void Set(int x, int y, std::uint32_t colour)
    {
        std::uint8_t* p = &bits[(static_cast<size_t>(height - 1 - y) * width + x) * 4];
        p[0] = colour & 0xFF;
        p[1] = (colour >> 8) & 0xFF;
        p[2] = (colour >> 16) & 0xFF;
        p[3] = 0x5A;  // the fourth byte never counts
    }
};

struct FlushRecord {
    std::int32_t count;
    RegionRect bounds;
    std::int32_t capacity;
};

class RecordingStore : public RectBatchStore {
public:
    bool Grow(std::int32_t capacity) override
    {
        grownTo.push_back(capacity);
        return capacity <= growLimit;
    }
    void Put(std::int32_t index, const RegionRect& rect) override
    {
        EXPECT_EQ(index, static_cast<std::int32_t>(batch.size()));
        batch.push_back(rect);
    }
    void Flush(std::int32_t count, const RegionRect& bounds, std::int32_t capacity) override
    {
        EXPECT_EQ(count, static_cast<std::int32_t>(batch.size()));
        flushes.push_back({count, bounds, capacity});
        rects.insert(rects.end(), batch.begin(), batch.end());
        batch.clear();
    }

    std::int32_t growLimit = 1 << 30;
    std::vector<std::int32_t> grownTo;
    std::vector<RegionRect> batch;
    std::vector<RegionRect> rects;
    std::vector<FlushRecord> flushes;
};

std::vector<RegionRect> Scan(const Picture& picture, RecordingStore& store, std::uint32_t key = kMagenta,
                             std::uint32_t tolerance = kMagenta)
{
    RectBatcher batcher(store);
    EXPECT_TRUE(ScanRegionRuns(picture.bits.data(), picture.width, picture.height, picture.width * 4,
                               MakeKeyBounds(key, tolerance), batcher));
    batcher.Flush();
    return store.rects;
}

}  // namespace

TEST(RegionRuns, OneRectanglePerRunOfNonKeyPixelsRowsFromTheTop)
{
    // '.' a skin pixel, 'M' magenta; the top row first.
    const struct {
        std::vector<const char*> rows;
        std::vector<RegionRect> runs;
    } cases[] = {
        {{".......", ".......", "......."}, {{0, 0, 7, 1}, {0, 1, 7, 2}, {0, 2, 7, 3}}},
        {{"M..MM...", ".......M"}, {{1, 0, 3, 1}, {5, 0, 8, 1}, {0, 1, 7, 2}}},
        {{".M..", "....", "...."}, {{0, 0, 1, 1}, {2, 0, 4, 1}, {0, 1, 4, 2}, {0, 2, 4, 3}}},
        {{"MMMMM", "MMMMM"}, {}},
    };
    for (const auto& c : cases) {
        Picture picture(static_cast<int>(std::strlen(c.rows[0])), static_cast<int>(c.rows.size()));
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                if (c.rows[static_cast<size_t>(y)][x] == 'M') picture.Set(x, y, kMagenta);
            }
        }
        RecordingStore store;
        EXPECT_EQ(Scan(picture, store), c.runs) << c.rows[0];
        ASSERT_EQ(store.flushes.size(), 1u);
        if (c.runs.empty()) {
            EXPECT_EQ(store.flushes[0].bounds, (RegionRect{INT32_MAX, INT32_MAX, 0, 0})) << "an empty last batch";
        } else {
            EXPECT_EQ(store.flushes[0].bounds, (RegionRect{0, 0, picture.width, picture.height}));
        }
    }
}

TEST(RegionRuns, KeyBoundsAreCappedAndInMemoryOrder)
{
    Picture picture(4, 1);
    picture.Set(0, 0, kMagenta);
    picture.Set(1, 0, 0xFE00FF);  // red 254: 0xFF + a tolerance of 0xFF caps at 255, not 0xFE
    picture.Set(2, 0, 0xFF01FF);  // green 1
    picture.Set(3, 0, 0xFF00FE);  // blue 254
    RecordingStore store;
    EXPECT_EQ(Scan(picture, store), (std::vector<RegionRect>{{1, 0, 4, 1}})) << "near-magenta stays in the window";

    // A key's byte 0 (a COLORREF's red) bounds the pixel's first byte in memory,
    // its blue, from the key up to key + tolerance.
    const KeyBounds bounds = MakeKeyBounds(0x000010, 0x000020);
    for (const auto& [pixel, isKey] : {std::pair{std::array<std::uint8_t, 4>{0x10, 0, 0, 0}, true},
                                       {{0x30, 0, 0, 0}, true}, {{0x31, 0, 0, 0}, false}, {{0x0F, 0, 0, 0}, false},
                                       {{0, 0, 0x10, 0}, false}}) {
        EXPECT_EQ(IsKeyPixel(pixel.data(), bounds), isKey) << int{pixel[0]};
    }
}

TEST(RegionRuns, BatchesOfTwoThousandAndAnEmptyLastFlush)
{
    for (int rows : {1999, 2000, 2001, 4000}) {
        SCOPED_TRACE(rows);
        Picture picture(3, rows);
        RecordingStore store;
        const auto rects = Scan(picture, store);
        EXPECT_EQ(static_cast<int>(rects.size()), rows);
        const size_t full = static_cast<size_t>(rows / 2000);
        ASSERT_EQ(store.flushes.size(), full + 1);
        for (size_t i = 0; i < full; ++i) {
            EXPECT_EQ(store.flushes[i].count, 2000);
            EXPECT_EQ(store.flushes[i].bounds, (RegionRect{0, static_cast<int>(i) * 2000, 3,
                                                           static_cast<int>(i + 1) * 2000}));
        }
        EXPECT_EQ(store.flushes.back().count, rows % 2000);
        // The buffer grows by 100 up to the batch limit and never beyond it.
        const int expectedGrowths = (std::min(rows, 2000) - 1) / 100;
        EXPECT_EQ(static_cast<int>(store.grownTo.size()), expectedGrowths);
        if (!store.grownTo.empty()) {
            EXPECT_EQ(store.grownTo.back(), (expectedGrowths + 1) * 100);
        }
        EXPECT_LE(store.flushes.back().capacity, 2000);
    }
}

TEST(RegionRuns, ABufferThatCannotGrowStopsTheScan)
{
    Picture picture(2, 150);
    RecordingStore store;
    store.growLimit = 100;
    RectBatcher batcher(store);
    EXPECT_FALSE(ScanRegionRuns(picture.bits.data(), 2, 150, 8, MakeKeyBounds(kMagenta, kMagenta), batcher));
    EXPECT_EQ(store.batch.size(), 100u) << "nothing is written past the buffer";
    EXPECT_TRUE(store.flushes.empty());
}

TEST(RegionRuns, PaddedRowsAreSteppedByTheStride)
{
    // 3 pixels of 4 bytes in rows of 16 bytes, the padding key-coloured: read
    // as a pixel, it would cut or shift a run.
    std::vector<std::uint8_t> bits(16 * 3, 0);
    for (int row = 0; row < 3; ++row) {
        bits[static_cast<size_t>(row * 16 + 12)] = 0xFF;  // blue
        bits[static_cast<size_t>(row * 16 + 14)] = 0xFF;  // red
    }
    bits[32 + 0] = 0xFF;  // top row (memory row 2), pixel 0: magenta
    bits[32 + 2] = 0xFF;
    RecordingStore store;
    RectBatcher batcher(store);
    ASSERT_TRUE(ScanRegionRuns(bits.data(), 3, 3, 16, MakeKeyBounds(kMagenta, kMagenta), batcher));
    batcher.Flush();
    EXPECT_EQ(store.rects, (std::vector<RegionRect>{{1, 0, 3, 1}, {0, 1, 3, 2}, {0, 2, 3, 3}}));
}
