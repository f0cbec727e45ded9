// A window scaled up lies whole on its monitor's work area, as far as it fits.
#include "ProgramWindows.h"

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
