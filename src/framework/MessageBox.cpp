#include "framework/MessageBox.h"

#include "framework/WinApp.h"

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
    const int answer = ::MessageBoxW(hWndOwner, text.c_str(), context.caption.c_str(), type);
    if (disableMain) ::EnableWindow(context.hWndMain, TRUE);
    return answer;
}
