#include <vector>

#include "ProgramWindows.h"
#include "model/TimerSlots.h"

namespace {

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

// The window's own paint, as often as asked, and the GDI objects it left.
int GdiObjectsLeftByPaints(HWND hWnd, int frames)
{
    ::SendMessageW(hWnd, WM_PAINT, 0, 0);  // sprites are prepared at their first use
    const int freeBefore = FreeGdiHandles();
    for (int frame = 0; frame < frames; ++frame) ::SendMessageW(hWnd, WM_PAINT, 0, 0);
    return freeBefore - FreeGdiHandles();
}

}  // namespace

class SkinCanvasFrames : public ProgramWindows {};

TEST_F(SkinCanvasFrames, TenThousandFramesOfEachWindowLeaveNoGdiObject)
{
    OpenEditor(3);
    ToggleTimerSlot(2, CurrentSlotTime());  // a running slot, a red box near its end
    g_timerSlots[2].remaining = 30;

    EXPECT_EQ(GdiObjectsLeftByPaints(Bar(), 10000), 0);
    EXPECT_EQ(GdiObjectsLeftByPaints(Editor(), 10000), 0);
    // A change of display format rebuilds the buffers and sprites, leaving nothing behind.
    ::SendMessageW(Bar(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
    ::SendMessageW(Editor(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 800));
    EXPECT_EQ(GdiObjectsLeftByPaints(Bar(), 100), 0);
    // Rescaling (the editor makes its name box's font anew each time) leaves nothing either.
    CSkinnedDialog::SetDoubleSize(true);
    CSkinnedDialog::SetDoubleSize(false);
    const int freeBefore = FreeGdiHandles();
    for (int round = 0; round < 20; ++round) {
        CSkinnedDialog::SetDoubleSize(true);
        CSkinnedDialog::SetDoubleSize(false);
    }
    EXPECT_EQ(freeBefore - FreeGdiHandles(), 0);

    ToggleTimerSlot(2, CurrentSlotTime());
    ::DestroyWindow(Bar());
    ::DestroyWindow(Editor());
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(Editor(), nullptr);
}
