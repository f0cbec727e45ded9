// A window scaled up lies whole on its monitor's work area, as far as it fits.
#include "ProgramWindows.h"

#include <oleacc.h>

#include "common/AppSettings.h"

class DoubleSize : public ProgramWindows {};

TEST_F(DoubleSize, ABarAtTheScreensEdgeMovesInWhenItGrows)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(::MonitorFromWindow(Bar(), MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT work = info.rcWork;
    ::SetWindowPos(Bar(), nullptr, work.right - 480, work.bottom - 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CSkinnedDialog::SetDoubleSize(true);
    const RECT grown = WindowRect(Bar());
    CSkinnedDialog::SetDoubleSize(false);
    EXPECT_EQ(grown.right - grown.left, 960);
    EXPECT_EQ(grown.right, work.right) << "the pin and the close button stay on the screen";
    EXPECT_EQ(grown.bottom, work.bottom);
}

TEST_F(DoubleSize, AWheelNotchAtTwiceTheSizeStepsTheColumnUnderThePointer)
{
    CSkinnedDialog::SetDoubleSize(true);
    OpenEditor(0);
    const RECT editor = WindowRect(Editor());
    // The wheel gives a screen point: over the minutes' digits, each skin pixel 2 x 2.
    ::SendMessageW(Editor(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                   MAKELPARAM(editor.left + 139 * 2, editor.top + 159 * 2));
    Mouse(Editor(), WM_LBUTTONDOWN, 321 * 2, 178 * 2);  // OK
    Mouse(Editor(), WM_LBUTTONUP, 321 * 2, 178 * 2);
    CSkinnedDialog::SetDoubleSize(false);
    EXPECT_EQ(AppProfile().GetInt("Save", "Time#0", -1), 1800 + 60);
}

TEST_F(DoubleSize, AScreenReaderFindsEachPartWhereItShowsAtTwiceTheSize)
{
    constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    CSkinnedDialog::SetDoubleSize(true);
    IAccessible* bar = nullptr;
    ASSERT_TRUE(SUCCEEDED(::AccessibleObjectFromWindow(Bar(), static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                                       reinterpret_cast<void**>(&bar))));
    VARIANT slotNine{};
    slotNine.vt = VT_I4;
    slotNine.lVal = 9;
    LONG left = 0, top = 0, width = 0, height = 0;
    EXPECT_TRUE(SUCCEEDED(bar->accLocation(&left, &top, &width, &height, slotNine)));
    bar->Release();
    const RECT window = WindowRect(Bar());
    CSkinnedDialog::SetDoubleSize(false);
    EXPECT_EQ((std::vector<LONG>{left, top, width, height}),
              (std::vector<LONG>{window.left + 380 * 2, window.top + 30 * 2, 60, 60})) << "slot 9's icon box";
}
