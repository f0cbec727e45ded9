#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "PixelBuffer.h"
#include "framework/Gdi.h"
#include "skin/Blit.h"
#include "skin/Region.h"

namespace {

constexpr std::uint32_t M = 0xFF00FF;  // the key

std::uint32_t Background(int x, int y)
{
    return static_cast<std::uint32_t>(((x * 13) & 0xFF) << 16 | ((y * 29) & 0xFF) << 8 | ((x + y) * 7 & 0xFF));
}

// A patterned surface of the given depth, as a display of that format would hold.
struct Surface : PixelBuffer {
    explicit Surface(int bits = 32) : PixelBuffer(20, 12, 0, bits)
    {
        for (int y = 0; y < height(); ++y) {
            for (int x = 0; x < width(); ++x) Set(x, y, Background(x, y));
        }
    }
};

// A bitmap of the given 0xRRGGBB pixels, selected into no DC, as a loaded resource is.
HBITMAP MakeSprite(int width, int height, const std::vector<std::uint32_t>& pixels)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    return hBitmap;
}

}  // namespace

TEST(KeyedSprite, DrawsExactlyTheNonKeyPixelsInEveryDisplayFormat)
{
    // Near-magenta (red 254, green 1) is drawn; only the key itself is left out.
    const std::vector<std::uint32_t> sprite = {
        M,        0x000000, 0xFFFFFF, M,        0x123456,  //
        0x010203, M,        M,        0xFE00FF, 0xFF01FF,  //
        M,        0x7F7F7F, 0xFF0000, 0x0000FF, M,
    };
    CBitmap bitmap;
    bitmap.Attach(MakeSprite(5, 3, sprite));
    // 32 and 24 bits as true-colour displays, 16 as a high-colour one.
    for (int bits : {32, 24, 16}) {
        Surface dest(bits);
        Surface expected(bits);
        for (int i = 0; i < 15; ++i) {
            if (sprite[i] != M) expected.Set(6 + i % 5, 4 + i / 5, sprite[i]);
        }
        ::SetTextColor(dest.dc(), RGB(9, 9, 9));
        ::SetBkColor(dest.dc(), RGB(7, 7, 7));

        KeyedSprite keyed;
        ASSERT_TRUE(keyed.Prepare(dest.dc(), bitmap, kKeyColour));
        EXPECT_EQ(keyed.Size().cx, 5);
        keyed.Draw(dest.dc(), 6, 4, 5, 3);
        EXPECT_TRUE(dest.SameAs(expected)) << bits << " bits";
        EXPECT_EQ(::GetTextColor(dest.dc()), RGB(9, 9, 9)) << "the destination's colours come back";
        EXPECT_EQ(::GetBkColor(dest.dc()), RGB(7, 7, 7));
    }
}

TEST(KeyedSprite, AllKeyPartOfASpriteAndMissingSprites)
{
    Surface dest;
    const Surface untouched;
    CBitmap allKey;
    allKey.Attach(MakeSprite(4, 4, std::vector<std::uint32_t>(16, M)));
    KeyedSprite keyed;
    ASSERT_TRUE(keyed.Prepare(dest.dc(), allKey, kKeyColour));
    keyed.Draw(dest.dc(), 2, 2, 4, 4);
    EXPECT_TRUE(dest.SameAs(untouched));

    // Only the top-left 2 x 3 of a solid black sprite is asked for.
    CBitmap black;
    black.Attach(MakeSprite(4, 4, std::vector<std::uint32_t>(16, 0)));
    ASSERT_TRUE(keyed.Prepare(dest.dc(), black, kKeyColour));
    keyed.Draw(dest.dc(), 2, 2, 2, 3);
    Surface expected;
    for (int y = 2; y < 5; ++y) {
        for (int x = 2; x < 4; ++x) expected.Set(x, y, 0);
    }
    EXPECT_TRUE(dest.SameAs(expected));

    EXPECT_FALSE(keyed.Prepare(dest.dc(), nullptr, kKeyColour));
    EXPECT_FALSE(keyed.IsReady());
    keyed.Draw(dest.dc(), 0, 0, 8, 8);  // nothing to draw, nothing drawn
    EXPECT_TRUE(dest.SameAs(expected));
}

TEST(DrawFrameRect, SetsExactlyTheOutlineWithItsCorners)
{
    PixelBuffer dest(30, 30);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    CSelectObject select(dest.dc(), pen);
    DrawFrameRect(dest.dc(), RECT{10, 10, 20, 20});
    PixelBuffer expected(30, 30);
    for (int i = 10; i <= 20; ++i) {
        for (const auto& [x, y] : {std::pair{i, 10}, {i, 20}, {10, i}, {20, i}}) expected.Set(x, y, 0);
    }
    EXPECT_TRUE(dest.SameAs(expected));
}
