// The program's bitmaps as the resources deliver them: sizes, depths and where
// the key colour lies.
#include <gtest/gtest.h>

#include <set>

#include "PixelBuffer.h"
#include "res/resource.h"

namespace {

struct Loaded {
    DIBSECTION dib{};
    HBITMAP hBitmap = nullptr;
    ~Loaded()
    {
        if (hBitmap) ::DeleteObject(hBitmap);
    }
};

bool Load(UINT id, Loaded& loaded)
{
    loaded.hBitmap = static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    return loaded.hBitmap && ::GetObjectW(loaded.hBitmap, sizeof loaded.dib, &loaded.dib) == sizeof loaded.dib;
}

// Positions of magenta pixels, read through a 32-bit copy as the program does.
std::set<std::pair<int, int>> MagentaPixels(const Loaded& loaded)
{
    const int width = loaded.dib.dsBm.bmWidth;
    const int height = loaded.dib.dsBm.bmHeight;
    PixelBuffer copy(width, height, RGB(0, 0, 0));
    HDC source = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(source, loaded.hBitmap);
    ::BitBlt(copy.dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (copy.At(x, y) == 0xFF00FF) found.insert({x, y});
        }
    }
    return found;
}

void ExpectBitmap(UINT id, int width, int height, int bits)
{
    SCOPED_TRACE(id);
    Loaded loaded;
    ASSERT_TRUE(Load(id, loaded));
    EXPECT_EQ(loaded.dib.dsBm.bmWidth, width);
    EXPECT_EQ(loaded.dib.dsBm.bmHeight, height);
    EXPECT_EQ(loaded.dib.dsBmih.biBitCount, bits);
    if (bits == 16) {
        // 5 bits per channel, whether the DIB section says so with masks or not.
        if (loaded.dib.dsBmih.biCompression == BI_BITFIELDS) {
            EXPECT_EQ(loaded.dib.dsBitfields[0], 0x7C00u);
            EXPECT_EQ(loaded.dib.dsBitfields[1], 0x03E0u);
            EXPECT_EQ(loaded.dib.dsBitfields[2], 0x001Fu);
        } else {
            EXPECT_EQ(loaded.dib.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
        }
    }
}

}  // namespace

TEST(Artwork, SkinsAreSixteenBitWithMagentaOnlyInTheCorners)
{
    for (auto [id, height] : {std::pair{IDB_BAR_SKIN, 100}, {IDB_EDITOR_SKIN, 220}}) {
        ExpectBitmap(id, 480, height, 16);
        Loaded loaded;
        ASSERT_TRUE(Load(id, loaded));
        const int r = 479;
        const int b = height - 1;
        const std::set<std::pair<int, int>> corners = {{0, 0}, {1, 0}, {0, 1}, {r, 0}, {r - 1, 0}, {r, 1},
                                                       {0, b}, {1, b}, {0, b - 1}, {r, b}, {r - 1, b}, {r, b - 1}};
        EXPECT_EQ(MagentaPixels(loaded), corners);
    }
}

TEST(Artwork, SpritesAreEightBitWithTransparentEdges)
{
    const struct {
        UINT id;
        int width;
        int height;
    } sprites[] = {
        {IDB_BAR_CLOSE, 11, 11}, {IDB_PIN_ON, 16, 16},      {IDB_PIN_OFF, 16, 16},   {IDB_OK_BUTTON, 42, 20},
        {IDB_CANCEL_BUTTON, 42, 20}, {IDB_ARROW_UP, 18, 18}, {IDB_ARROW_DOWN, 18, 18},
    };
    for (const auto& sprite : sprites) {
        ExpectBitmap(sprite.id, sprite.width, sprite.height, 8);
        Loaded loaded;
        ASSERT_TRUE(Load(sprite.id, loaded));
        const auto magenta = MagentaPixels(loaded);
        EXPECT_TRUE(magenta.count({0, 0})) << sprite.id << ": the top left corner is transparent";
        EXPECT_LT(static_cast<int>(magenta.size()), sprite.width * sprite.height) << sprite.id << " shows something";
    }
}

TEST(Artwork, IconsAreTwentyFourSquareAndOnlyTheSkillTilesAreSolid)
{
    const std::set<UINT> solidTiles = {20004, 20005, 20006, 20008, 20009, 20010};
    for (UINT id = IDB_ICON_FIRST; id <= IDB_ICON_LAST; ++id) {
        ExpectBitmap(id, 24, 24, id == 20006 ? 24 : 8);
        Loaded loaded;
        ASSERT_TRUE(Load(id, loaded));
        const auto magenta = MagentaPixels(loaded);
        if (solidTiles.count(id)) {
            EXPECT_TRUE(magenta.empty()) << id << " is a solid square";
        } else {
            EXPECT_FALSE(magenta.empty()) << id << " shows the box behind it";
            EXPECT_TRUE(magenta.count({0, 0}) || magenta.count({23, 23})) << id;
        }
    }
}
