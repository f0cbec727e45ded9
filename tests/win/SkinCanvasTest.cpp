#include <gtest/gtest.h>

#include <vector>

#include "PixelBuffer.h"
#include "framework/Gdi.h"
#include "res/resource.h"
#include "skin/SkinCanvas.h"

namespace {

// One frame of the bar's kind: the skin, nine icons loaded for the draw, the
// pin and the close button.
void ComposeFrame(HWND hWnd, SkinCanvas& canvas, const CBitmap& pin, const CBitmap& close, int frame)
{
    canvas.BeginFrame();
    for (int i = 0; i < 9; ++i) {
        CBitmap icon;
        icon.LoadBitmap(IDB_ICON_FIRST + (i + frame) % 24);
        canvas.DrawSprite(hWnd, icon, 23 + 45 * i, 33);
    }
    canvas.DrawSprite(hWnd, pin, 440, 1, 16, 16);
    canvas.DrawSprite(hWnd, close, 460, 3, 11, 11);
}

// How many more GDI objects the process can create now: a leak shrinks it.
int FreeGdiHandles()
{
    std::vector<HRGN> made;
    for (;;) {
        HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
        if (!hRegion || made.size() > 1000000) break;
        made.push_back(hRegion);
    }
    for (HRGN hRegion : made) ::DeleteObject(hRegion);
    return static_cast<int>(made.size());
}

}  // namespace

TEST(SkinCanvas, FramesComposeTheSkinAndSprites)
{
    HiddenWindow window(480, 100);
    SkinCanvas canvas;
    ASSERT_TRUE(canvas.LoadSkin(IDB_BAR_SKIN));
    EXPECT_EQ(canvas.Size().cx, 480);
    EXPECT_EQ(canvas.Size().cy, 100);
    canvas.CreateBuffers(window);
    CBitmap pin;
    pin.LoadBitmap(IDB_PIN_OFF);
    CBitmap close;
    close.LoadBitmap(IDB_BAR_CLOSE);

    PixelBuffer frame(480, 100, RGB(1, 1, 1));
    ComposeFrame(window, canvas, pin, close, 0);
    canvas.Present(frame.dc());
    EXPECT_EQ(frame.At(0, 0), 0xFF00FFu) << "the skin's corner is in the frame";
    EXPECT_EQ(frame.At(240, 90), 0xFFFFFFu) << "the white body";
    // The close button's cross is white on red; its corner shows the strip.
    EXPECT_NE(frame.At(460, 3), 0xFF00FFu);
    EXPECT_EQ(frame.At(465, 8), 0xFFFFFFu);
    // Icon 20001 (a bottle) in slot 1: the skin shows through its transparent corner.
    EXPECT_EQ(frame.At(23, 33), 0xFFFFFFu);
    EXPECT_NE(frame.At(35, 50), 0xFFFFFFu);
}

TEST(SkinCanvas, ThousandsOfFramesLeakNoGdiObject)
{
    HiddenWindow window(480, 100);
    SkinCanvas canvas;
    ASSERT_TRUE(canvas.LoadSkin(IDB_BAR_SKIN));
    canvas.CreateBuffers(window);
    CBitmap pin;
    pin.LoadBitmap(IDB_PIN_ON);
    CBitmap close;
    close.LoadBitmap(IDB_BAR_CLOSE);

    PixelBuffer first(480, 100);
    ComposeFrame(window, canvas, pin, close, 0);
    canvas.Present(first.dc());
    PixelBuffer last(480, 100);
    const int freeBefore = FreeGdiHandles();
    ASSERT_GT(freeBefore, 1000);

    // 24 frames make a full turn of the icons; after 20 turns frame 0 comes again.
    constexpr int kFrames = 24 * 20;
    for (int frame = 1; frame <= kFrames; ++frame) ComposeFrame(window, canvas, pin, close, frame);
    canvas.Present(last.dc());
    EXPECT_TRUE(first.SameAs(last)) << "the same frame after " << kFrames << " frames";
    // Each of the 5,280 sprites made and deleted two DCs and two bitmaps and
    // loaded icons: not one object may be left over.
    EXPECT_EQ(FreeGdiHandles(), freeBefore);
    CDC dc;
    EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    EXPECT_TRUE(bitmap.CreateCompatibleBitmap(first.dc(), 64, 64));
}
