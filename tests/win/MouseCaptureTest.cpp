// Holds and drags own the mouse until their release, and end whenever the
// mouse is taken from them (another window's capture, a cancelled mode).
#include "ProgramWindows.h"

#include "editor/EditorRules.h"

namespace {

constexpr POINT kHourUp{89, 139}, kHourDigits{89, 159}, kSecondDigits{189, 159};
constexpr POINT kEditorBare{440, 130}, kBarBare{300, 95};

// The ways the mouse is taken away: Alt+Tab and a message box cancel the
// mode; another window takes the capture.
enum class Loss { CancelMode, CaptureTaken };

void TakeMouse(HWND hWnd, Loss loss)
{
    if (loss == Loss::CancelMode) {
        ::SendMessageW(hWnd, WM_CANCELMODE, 0, 0);
        return;
    }
    static HWND other = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::SetCapture(other);
    ::ReleaseCapture();
}

// Whether any of the editor's hold timers is still set (KillTimer says so, and stops it).
bool HoldTimerRuns(HWND hWndEditor)
{
    bool any = false;
    for (unsigned id = TimerLeftDelay; id <= TimerRightRepeat; ++id) any |= ::KillTimer(hWndEditor, id) != FALSE;
    return any;
}

}  // namespace

class MouseCapture : public ProgramWindows {};

TEST_F(MouseCapture, AHoldEndsWhenItsMouseIsTakenAway)
{
    OpenEditor(0);
    const struct {
        UINT press;
        POINT at;
    } holds[] = {{WM_LBUTTONDOWN, kHourUp}, {WM_LBUTTONDOWN, kHourDigits}, {WM_RBUTTONDOWN, kSecondDigits}};
    for (Loss loss : {Loss::CancelMode, Loss::CaptureTaken}) {
        for (const auto& hold : holds) {
            Mouse(Editor(), hold.press, hold.at.x, hold.at.y);
            EXPECT_EQ(::GetCapture(), Editor()) << "a hold owns the mouse until its release";
            TakeMouse(Editor(), loss);
            EXPECT_FALSE(HoldTimerRuns(Editor())) << hold.at.x << "," << hold.at.y << " loss " << int(loss);
        }
    }
    // A release outside the editor still reaches it, and ends the hold there.
    Mouse(Editor(), WM_LBUTTONDOWN, kHourUp.x, kHourUp.y);
    Mouse(Editor(), WM_LBUTTONUP, -300, 600);
    EXPECT_NE(::GetCapture(), Editor());
    EXPECT_FALSE(HoldTimerRuns(Editor()));
}

TEST_F(MouseCapture, ADragEndsWhenItsMouseIsTakenAway)
{
    OpenEditor(0);
    for (Loss loss : {Loss::CancelMode, Loss::CaptureTaken}) {
        for (const auto& window : {std::make_pair(Bar(), kBarBare), std::make_pair(Editor(), kEditorBare)}) {
            const RECT before = WindowRect(window.first);
            Mouse(window.first, WM_LBUTTONDOWN, window.second.x, window.second.y);
            TakeMouse(window.first, loss);
            Mouse(window.first, WM_MOUSEMOVE, window.second.x + 70, window.second.y + 40);
            const RECT after = WindowRect(window.first);
            EXPECT_EQ(after.left, before.left) << "the window no longer follows the pointer";
            EXPECT_EQ(after.top, before.top);
        }
        // The next click on an arrow is one step, no endless repeat.
        Mouse(Editor(), WM_LBUTTONDOWN, kHourUp.x, kHourUp.y);
        Mouse(Editor(), WM_LBUTTONUP, kHourUp.x, kHourUp.y);
        EXPECT_FALSE(HoldTimerRuns(Editor()));
    }
}

class PinnedBar : public ProgramWindows {
protected:
    void SeedRegistry() override { AfxGetApp()->WriteProfileInt(L"Option", L"AlwaysOnTop", 1); }
};

// Whether `upper` lies above `lower` in the Z order.
bool IsAbove(HWND upper, HWND lower)
{
    for (HWND hWnd = ::GetWindow(upper, GW_HWNDNEXT); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd == lower) return true;
    }
    return false;
}

TEST_F(PinnedBar, TheEditorOpensAboveThePinnedBarAndStaysAboveIt)
{
    ASSERT_TRUE(::GetWindowLongPtrW(Bar(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Mouse(Bar(), WM_LBUTTONDOWN, 35, 45);  // slot 1's icon
    Mouse(Bar(), WM_LBUTTONUP, 35, 45);
    ASSERT_TRUE(::IsWindowVisible(Editor()));
    EXPECT_TRUE(::GetWindowLongPtrW(Editor(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsAbove(Editor(), Bar()));
    // Unpinned and pinned again with the editor open: the editor stays above.
    for (int click = 0; click < 2; ++click) {
        Mouse(Bar(), WM_LBUTTONDOWN, 448, 9);
        Mouse(Bar(), WM_LBUTTONUP, 448, 9);
        EXPECT_TRUE(IsAbove(Editor(), Bar())) << click;
    }
}
