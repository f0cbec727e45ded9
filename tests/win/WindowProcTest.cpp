// No C++ exception crosses a window procedure into the system.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/Wnd.h"

namespace {

class ThrowingWindow : public CWnd {
protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_SETTEXT) throw std::runtime_error("a handler failed");
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
};

}  // namespace

TEST(WindowProc, AThrowingHandlerGivesTheMessageItsDefault)
{
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ThrowingWindow window;
    ASSERT_TRUE(window.SubclassWindow(hWnd));
    EXPECT_TRUE(::SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"kept")));
    EXPECT_EQ(WindowText(hWnd), L"kept") << "the control's own handling ran";
}
