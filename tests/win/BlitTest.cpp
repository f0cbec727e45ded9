#include <gtest/gtest.h>

#include <cstdint>

#include "PixelBuffer.h"
#include "framework/Gdi.h"
#include "skin/Blit.h"
#include "skin/Region.h"

namespace {

constexpr std::uint32_t kMagentaRgb = 0xFF00FF;

std::uint32_t Background(int x, int y)
{
    return static_cast<std::uint32_t>(((x * 13) & 0xFF) << 16 | ((y * 29) & 0xFF) << 8 | ((x + y) * 7 & 0xFF));
}

void FillPattern(PixelBuffer& buffer)
{
    for (int y = 0; y < buffer.height(); ++y) {
        for (int x = 0; x < buffer.width(); ++x) buffer.Set(x, y, Background(x, y));
    }
}

}  // namespace

TEST(DrawTransparent, CopiesOpaquePixelsExactlyAndLeavesKeyPixelsAlone)
{
    HiddenWindow window;
    const std::uint32_t sprite[3][5] = {
        {kMagentaRgb, 0x000000, 0xFFFFFF, kMagentaRgb, 0x123456},
        {0x010203, kMagentaRgb, kMagentaRgb, 0xFE00FF, 0xFF01FF},
        {kMagentaRgb, 0x7F7F7F, 0xFF0000, 0x0000FF, kMagentaRgb},
    };
    PixelBuffer spriteBuffer(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) spriteBuffer.Set(x, y, sprite[y][x]);
    }
    PixelBuffer dest(20, 12);
    FillPattern(dest);
    ::SetBkColor(spriteBuffer.dc(), RGB(1, 2, 3));
    const COLORREF destText = ::GetTextColor(dest.dc());
    const COLORREF destBack = ::GetBkColor(dest.dc());

    DrawTransparent(window, dest.dc(), 6, 4, 5, 3, spriteBuffer.dc(), kKeyColour);

    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 6 && x < 11 && y >= 4 && y < 7;
            const std::uint32_t drawn = inside ? sprite[y - 4][x - 6] : kMagentaRgb;
            const std::uint32_t expected = drawn == kMagentaRgb ? Background(x, y) : drawn;
            EXPECT_EQ(dest.At(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(::GetBkColor(spriteBuffer.dc()), RGB(1, 2, 3)) << "the sprite DC's background comes back";
    EXPECT_EQ(::GetTextColor(dest.dc()), destText);
    EXPECT_EQ(::GetBkColor(dest.dc()), destBack);
}

TEST(DrawTransparent, AllKeyAndNoKeySprites)
{
    HiddenWindow window;
    PixelBuffer allKey(4, 4, RGB(255, 0, 255));
    PixelBuffer solid(4, 4, RGB(0, 0, 0));
    PixelBuffer dest(8, 8);
    FillPattern(dest);
    PixelBuffer before(8, 8);
    FillPattern(before);

    DrawTransparent(window, dest.dc(), 2, 2, 4, 4, allKey.dc(), kKeyColour);
    EXPECT_TRUE(dest.SameAs(before));

    DrawTransparent(window, dest.dc(), 2, 2, 4, 4, solid.dc(), kKeyColour);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 2 && y < 6;
            EXPECT_EQ(dest.At(x, y), inside ? 0u : Background(x, y)) << x << "," << y;
        }
    }
}

TEST(DrawFrameRect, SetsExactlyTheOutline)
{
    PixelBuffer dest(30, 30);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    CSelectObject select(dest.dc(), pen);
    DrawFrameRect(dest.dc(), RECT{10, 10, 20, 20});
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool onColumn = (x == 10 || x == 20) && y >= 10 && y <= 20;
            const bool onRow = (y == 10 || y == 20) && x >= 10 && x <= 20;
            EXPECT_EQ(dest.At(x, y), onColumn || onRow ? 0u : 0xFFFFFFu) << x << "," << y;
        }
    }
}
