#include "common/ProgramDialog.h"


HWND CProgramDialog::s_hWndBar = nullptr;

BOOL CProgramDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CProgramDialog::OnKeyUp(UINT nChar)
{
    if (s_hWndBar) {
        ::SendMessageW(s_hWndBar, WM_KEYUP, nChar, 0);
    } else {
        CDialog::OnKeyUp(nChar);
    }
}

void CProgramDialog::OnClose()
{
    ::SendMessageW(GetParent(), WM_CLOSE, 0, 0);
}
