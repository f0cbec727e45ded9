#include <gtest/gtest.h>

#include <vector>

#include "PixelBuffer.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "skin/Region.h"

namespace {

class RecordingStore : public RectBatchStore {
public:
    bool Grow(std::int32_t capacity) override
    {
        grownTo.push_back(capacity);
        return true;
    }
    void Put(std::int32_t, const RegionRect& rect) override { rects.push_back(rect); }
    void Flush(std::int32_t, const RegionRect&, std::int32_t) override { ++flushes; }

    std::vector<std::int32_t> grownTo;
    std::vector<RegionRect> rects;
    int flushes = 0;
};

std::vector<RegionRect> ExpectedSkinRows(int height)
{
    std::vector<RegionRect> rows;
    for (int y = 0; y < height; ++y) {
        const int inset = (y == 0 || y == height - 1) ? 2 : (y == 1 || y == height - 2) ? 1 : 0;
        rows.push_back({inset, y, 480 - inset, y + 1});
    }
    return rows;
}

HRGN UnionOf(const std::vector<RegionRect>& rects)
{
    HRGN hUnion = ::CreateRectRgn(0, 0, 0, 0);
    for (const RegionRect& r : rects) {
        HRGN hRow = ::CreateRectRgn(r.left, r.top, r.right, r.bottom);
        ::CombineRgn(hUnion, hUnion, hRow, RGN_OR);
        ::DeleteObject(hRow);
    }
    return hUnion;
}

// The runs the real 32-bit copy of a skin resource gives.
void ScanSkin(const CBitmap& skin, RecordingStore& store)
{
    RectBatcher batcher(store);
    ASSERT_TRUE(ScanBitmapRuns(skin, kKeyColour, kKeyColour, batcher));
}

}  // namespace

TEST(SkinRegion, EachSkinGivesOneRectanglePerRowWithThreeCornerPixelsCut)
{
    const struct {
        UINT id;
        int height;
        std::vector<std::int32_t> growths;
    } skins[] = {{IDB_BAR_SKIN, 100, {}}, {IDB_EDITOR_SKIN, 220, {200, 300}}};
    for (const auto& skin : skins) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(skin.id));
        RecordingStore store;
        ScanSkin(bitmap, store);
        EXPECT_EQ(store.rects, ExpectedSkinRows(skin.height));
        EXPECT_EQ(store.grownTo, skin.growths) << "the block grows by 100 from 100";

        HRGN hRegion = CreateRegionFromBitmap(bitmap, kKeyColour, kKeyColour);
        HRGN hExpected = UnionOf(ExpectedSkinRows(skin.height));
        EXPECT_TRUE(::EqualRgn(hRegion, hExpected)) << skin.id;
        ::DeleteObject(hExpected);
        ::DeleteObject(hRegion);
    }
}

TEST(SkinRegion, ShapedWindowLetsTheCornersThrough)
{
    HiddenWindow window(480, 100);
    EXPECT_TRUE(ShapeWindowFromBitmap(window, IDB_BAR_SKIN, kKeyColour));
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(window, hRegion), COMPLEXREGION);
    EXPECT_FALSE(::PtInRegion(hRegion, 0, 0));
    EXPECT_TRUE(::PtInRegion(hRegion, 240, 50));
    ::DeleteObject(hRegion);

    // A missing bitmap leaves the window rectangular.
    HiddenWindow plain(100, 40);
    EXPECT_TRUE(ShapeWindowFromBitmap(plain, 9999, kKeyColour));
    HRGN hNone = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(plain, hNone), ERROR);
    ::DeleteObject(hNone);
}
