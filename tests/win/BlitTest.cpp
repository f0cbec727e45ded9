#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

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

namespace {

// A bitmap of the given 0xRRGGBB pixels, selected into no DC, as a loaded
// resource is. The caller owns it.
HBITMAP MakeSprite(int width, int height, const std::uint32_t* pixels)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bits) std::copy(pixels, pixels + width * height, static_cast<std::uint32_t*>(bits));
    return hBitmap;
}

// A DIB of any depth in a memory DC, read back through GetPixel, so that the
// expected picture goes through the same colour rounding as the drawn one.
class Surface {
public:
    Surface(int width, int height, int bitsPerPixel) : m_dc(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(bitsPerPixel), BI_RGB,
                          0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_old = ::SelectObject(m_dc, m_bitmap);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) ::SetPixelV(m_dc, x, y, Background(x, y));
        }
    }
    ~Surface()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteDC(m_dc);
    }
    HDC dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_old = nullptr;
};

constexpr COLORREF Colour(std::uint32_t rgb)
{
    return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

}  // namespace

TEST(KeyedSprite, DrawsExactlyTheNonKeyPixelsInEveryDisplayFormat)
{
    const std::uint32_t sprite[3 * 5] = {
        kMagentaRgb, 0x000000,    0xFFFFFF,    kMagentaRgb, 0x123456,  //
        0x010203,    kMagentaRgb, kMagentaRgb, 0xFE00FF,    0xFF01FF,  //
        kMagentaRgb, 0x7F7F7F,    0xFF0000,    0x0000FF,    kMagentaRgb,
    };
    CBitmap bitmap;
    bitmap.Attach(MakeSprite(5, 3, sprite));
    // 32 and 24 bits as true-colour displays, 16 as a high-colour one.
    for (int bits : {32, 24, 16}) {
        Surface dest(20, 12, bits);
        Surface expected(20, 12, bits);
        for (int i = 0; i < 15; ++i) {
            if (sprite[i] != kMagentaRgb) ::SetPixelV(expected.dc(), 6 + i % 5, 4 + i / 5, Colour(sprite[i]));
        }
        ::SetTextColor(dest.dc(), RGB(9, 9, 9));
        ::SetBkColor(dest.dc(), RGB(7, 7, 7));

        KeyedSprite keyed;
        ASSERT_TRUE(keyed.Prepare(dest.dc(), bitmap, kKeyColour));
        EXPECT_EQ(keyed.Size().cx, 5);
        keyed.Draw(dest.dc(), 6, 4, 5, 3);

        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 20; ++x) EXPECT_EQ(dest.At(x, y), expected.At(x, y)) << bits << ": " << x << "," << y;
        }
        EXPECT_EQ(::GetTextColor(dest.dc()), RGB(9, 9, 9)) << "the destination's colours come back";
        EXPECT_EQ(::GetBkColor(dest.dc()), RGB(7, 7, 7));
    }
}

TEST(KeyedSprite, AllKeyNoKeyPartAndMissingSprites)
{
    std::uint32_t allKey[16];
    std::uint32_t black[16];
    std::fill(std::begin(allKey), std::end(allKey), kMagentaRgb);
    std::fill(std::begin(black), std::end(black), 0u);
    PixelBuffer dest(8, 8);
    FillPattern(dest);
    PixelBuffer before(8, 8);
    FillPattern(before);
    CBitmap allKeyBitmap;
    allKeyBitmap.Attach(MakeSprite(4, 4, allKey));
    CBitmap blackBitmap;
    blackBitmap.Attach(MakeSprite(4, 4, black));
    KeyedSprite keyed;
    ASSERT_TRUE(keyed.Prepare(dest.dc(), allKeyBitmap, kKeyColour));
    keyed.Draw(dest.dc(), 2, 2, 4, 4);
    EXPECT_TRUE(dest.SameAs(before));

    // Only the top-left 2 x 3 of a solid sprite is asked for.
    ASSERT_TRUE(keyed.Prepare(dest.dc(), blackBitmap, kKeyColour));
    keyed.Draw(dest.dc(), 2, 2, 2, 3);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 4 && y >= 2 && y < 5;
            EXPECT_EQ(dest.At(x, y), inside ? 0u : Background(x, y)) << x << "," << y;
        }
    }

    EXPECT_FALSE(keyed.Prepare(dest.dc(), nullptr, kKeyColour));
    EXPECT_FALSE(keyed.IsReady());
    keyed.Draw(dest.dc(), 0, 0, 8, 8);  // nothing to draw, nothing drawn
    EXPECT_EQ(dest.At(0, 0), Background(0, 0));
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
