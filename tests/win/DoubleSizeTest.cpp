// A window scaled up lies whole on its monitor's work area, as far as it fits.
#include "ProgramWindows.h"

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
