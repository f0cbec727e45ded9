#include "framework/Wnd.h"

namespace {

struct HandledMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

thread_local HandledMessage t_current{};
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hCreationHook = nullptr;

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd) {
        // The object goes before its window: stop routing messages to it.
        HWND hWnd = m_hWnd;
        Detach();
        ::DestroyWindow(hWnd);
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd) return nullptr;
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) != StaticWindowProc) return nullptr;
    return reinterpret_cast<CWnd*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandle(hWnd)) return FALSE;
    Attach(hWnd);
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

RECT CWnd::GetWindowRect() const
{
    return WindowRectOf(m_hWnd);
}

RECT WindowRectOf(HWND hWnd)
{
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
    const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
    if (changed == style) return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, changed);
    if (flags != 0) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | flags);
    }
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    return Default();
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_CREATE: *result = OnCreate(); return true;
    case WM_PAINT: OnPaint(); return true;
    case WM_TIMER: OnTimer(static_cast<UINT_PTR>(wParam)); return true;
    case WM_LBUTTONDOWN: OnLButtonDown(PointFromLParam(lParam)); return true;
    case WM_LBUTTONUP: OnLButtonUp(PointFromLParam(lParam)); return true;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(PointFromLParam(lParam)); return true;
    case WM_RBUTTONDOWN: OnRButtonDown(PointFromLParam(lParam)); return true;
    case WM_RBUTTONUP: OnRButtonUp(PointFromLParam(lParam)); return true;
    case WM_MOUSEMOVE: OnMouseMove(PointFromLParam(lParam)); return true;
    case WM_MOUSELEAVE: OnMouseLeave(); return true;
    case WM_MOUSEWHEEL:
        *result = OnMouseWheel(static_cast<short>(HIWORD(wParam)), PointFromLParam(lParam));
        return true;
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
        OnKey(KeyEventOf(message, wParam, lParam));
        return true;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP:
        OnOtherButton({VK_MBUTTON, message == WM_MBUTTONDOWN});
        return true;
    case WM_XBUTTONDOWN: case WM_XBUTTONUP:
        OnOtherButton({static_cast<unsigned>(GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? VK_XBUTTON1 : VK_XBUTTON2), message == WM_XBUTTONDOWN});
        *result = TRUE;  // as the system asks of a window that handles the side buttons
        return true;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return true;
    case WM_POWERBROADCAST:
        if (wParam != PBT_APMRESUMEAUTOMATIC && wParam != PBT_APMRESUMESUSPEND) return false;
        OnPowerResume();
        *result = TRUE;
        return true;
    case WM_QUERYENDSESSION: *result = OnQueryEndSession() ? TRUE : FALSE; return true;
    case WM_ENDSESSION: OnEndSession(wParam != FALSE); return true;
    case WM_WTSSESSION_CHANGE: OnSessionChange(static_cast<UINT>(wParam)); return true;
    case WM_SHOWWINDOW: OnShowWindow(static_cast<BOOL>(wParam)); return true;
    case WM_SYSCOMMAND: OnSysCommand(static_cast<UINT>(wParam)); return true;
    case WM_DISPLAYCHANGE: OnDisplayChange(); return true;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lParam)); return true;
    case WM_CANCELMODE: OnCancelMode(); return true;
    case WM_CLOSE: OnClose(); return true;
    case WM_DESTROY: OnDestroy(); return true;
    default: return false;
    }
}

LRESULT CWnd::Default()
{
    return ::CallWindowProcW(m_pfnSuper, t_current.hWnd, t_current.message, t_current.wParam, t_current.lParam);
}

void CWnd::HookWindowCreate()
{
    t_pWndInit = this;
    if (!t_hCreationHook) {
        t_hCreationHook = ::SetWindowsHookExW(WH_CBT, CreationHook, nullptr, ::GetCurrentThreadId());
    }
}

bool CWnd::UnhookWindowCreate()
{
    const bool bound = t_pWndInit == nullptr;
    if (t_hCreationHook) {
        ::UnhookWindowsHookEx(t_hCreationHook);
        t_hCreationHook = nullptr;
    }
    t_pWndInit = nullptr;
    return bound;
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_pWndInit) {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        pWnd->Attach(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
}

void CWnd::Detach()
{
    if (!m_hWnd) return;
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandle(hWnd);
    if (!pWnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);

    const HandledMessage outer = t_current;
    t_current = {hWnd, message, wParam, lParam};
    LRESULT result = 0;
    // No C++ exception unwinds through the system's frames: a handler that
    // throws (out of memory in a string, say) gives the message its default.
    try {
        result = pWnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        result = ::CallWindowProcW(pWnd->m_pfnSuper, hWnd, message, wParam, lParam);
    }
    t_current = outer;

    if (message == WM_NCDESTROY) {
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    return result;
}

KeyEvent KeyEventOf(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    // Bit 30: the key was down before this message.
    return {static_cast<unsigned>(wParam), down, down && (lParam & (1L << 30)) != 0,
            message == WM_SYSKEYDOWN || message == WM_SYSKEYUP};
}

UINT KeyMessageOf(const KeyEvent& event)
{
    if (event.system) return event.down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    return event.down ? WM_KEYDOWN : WM_KEYUP;
}

std::wstring WindowText(HWND hWnd)
{
    const int length = ::GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hWnd, text.data(), length + 1)));
    return text;
}

BOOL WalkPreTranslateTree(MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandle(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    }
    return FALSE;
}
