#include "framework/MessageBox.h"

#include "framework/SystemButtons.h"
#include "framework/WinApp.h"

namespace {

// The hook of the box being shown on this thread, until its first activation.
thread_local HHOOK t_hLabelHook = nullptr;

LRESULT CALLBACK LabelBoxButtons(int code, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = t_hLabelHook;
    if (code == HCBT_ACTIVATE && hook) {
        // The first window activated inside MessageBox is the box itself.
        t_hLabelHook = nullptr;
        ::UnhookWindowsHookEx(hook);
        LabelSystemButtons(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

MessageBoxContext CurrentMessageBoxContext()
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMain = AfxGetMainWnd();
    return {pApp ? pApp->m_strAppName : std::wstring(), pMain ? pMain->m_hWnd : nullptr};
}

int AfxMessageBox(const MessageBoxContext& context, const std::wstring& text, UINT type)
{
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    HWND hWndOwner = context.hWndMain && ::IsWindow(context.hWndMain) ? ::GetLastActivePopup(context.hWndMain)
                                                                      : nullptr;
    // A hidden pop-up would be activated, hidden, when the box goes.
    if (hWndOwner && !::IsWindowVisible(hWndOwner)) hWndOwner = context.hWndMain;
    // The box disables its owner; the main window goes quiet as well.
    const bool disableMain = hWndOwner && hWndOwner != context.hWndMain && ::IsWindowEnabled(context.hWndMain);
    if (disableMain) ::EnableWindow(context.hWndMain, FALSE);
    // A box shown while another waits on this thread labels itself as well.
    const HHOOK outer = t_hLabelHook;
    t_hLabelHook = ::SetWindowsHookExW(WH_CBT, LabelBoxButtons, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxW(hWndOwner, text.c_str(), context.caption.c_str(), type);
    if (t_hLabelHook) ::UnhookWindowsHookEx(t_hLabelHook);
    t_hLabelHook = outer;
    if (disableMain) ::EnableWindow(context.hWndMain, TRUE);
    return answer;
}
