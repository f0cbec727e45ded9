#include "bar/TitleTip.h"

#include <commctrl.h>

#include "framework/PropertySheet.h"

namespace {

constexpr UINT_PTR kTitleTool = 1;

TTTOOLINFOW Tool(HWND hWndBar, const RECT& area, wchar_t* text)
{
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hWndBar;
    tool.uId = kTitleTool;
    tool.rect = area;
    tool.lpszText = text;
    return tool;
}

}  // namespace

void CTitleTip::Relay(HWND hWndBar)
{
    if (!m_hWnd) return;
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(hWndBar, &point);
    MSG message{hWndBar, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y), static_cast<DWORD>(::GetMessageTime()), point};
    ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void CTitleTip::Show(HWND hWndBar, const RECT& area, const std::wstring& text)
{
    if (!m_hWnd) {
        if (text.empty()) return;
        using InitFn = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
        auto* init = CommonControls().Get<InitFn>("InitCommonControlsEx");
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
        if (!init || !init(&classes)) return;
        m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWndBar, nullptr,
                                   nullptr, nullptr);
        if (!m_hWnd) return;
        TTTOOLINFOW tool = Tool(hWndBar, area, const_cast<wchar_t*>(L""));
        ::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        ::SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, 320);
    }
    m_text = text;
    TTTOOLINFOW tool = Tool(hWndBar, area, m_text.data());
    ::SendMessageW(m_hWnd, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageW(m_hWnd, TTM_ACTIVATE, text.empty() ? FALSE : TRUE, 0);
}
