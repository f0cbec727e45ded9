// Each window writes its own place (and the bar its pin) when asked before the
// session ends and when it closes, wherever it was moved to.
#include "ProgramWindows.h"

#include "common/AppSettings.h"

namespace {

struct Place {
    const char* left;
    const char* top;
};

std::pair<int, int> Stored(const Place& place)
{
    return {AppProfile().GetInt("Option", place.left, -1), AppProfile().GetInt("Option", place.top, -1)};
}

}  // namespace

class WindowPlaces : public ProgramWindows {};

TEST_F(WindowPlaces, EachWindowStoresWhereItIsWhenAskedAndWhenItCloses)
{
    const struct {
        HWND hWnd;
        Place place;
    } windows[] = {{Bar(), {"MainWinLeft", "MainWinTop"}}, {Editor(), {"SelectIconWinLeft", "SelectIconWinTop"}}};
    for (const auto& window : windows) {
        ::SetWindowPos(window.hWnd, nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(window.hWnd, kSaveStateMessage, 0, 0);
        EXPECT_EQ(Stored(window.place), std::make_pair(123, 45)) << window.place.left;
        ::SetWindowPos(window.hWnd, nullptr, 321, 54, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::DestroyWindow(window.hWnd);
        EXPECT_EQ(Stored(window.place), std::make_pair(321, 54)) << window.place.left;
    }
    EXPECT_EQ(AppProfile().GetInt("Option", "AlwaysOnTop", -1), 0);
}
