#include "common/ProgramDialog.h"

HWND CProgramDialog::s_windows[static_cast<int>(ProgramWindow::kCount)] = {};

BOOL CProgramDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

bool CProgramDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
        if (BarWindow() && BarWindow() != m_hWnd) {
            ::SendMessageW(BarWindow(), kForwardedKeyMessage, wParam, static_cast<LPARAM>(message));
        }
        break;
    default:
        break;
    }
    return CDialog::OnWndMsg(message, wParam, lParam, result);
}

void CProgramDialog::OnClose()
{
    ::SendMessageW(GetParent(), WM_CLOSE, 0, 0);
}
