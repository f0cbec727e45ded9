#include "common/ProgramDialog.h"

HWND CProgramDialog::s_windows[static_cast<int>(ProgramWindow::kCount)] = {};

BOOL CProgramDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

void CProgramDialog::OnKey(const KeyEvent& key)
{
    if (BarWindow() && BarWindow() != m_hWnd) ::SendMessageW(BarWindow(), kForwardedKeyMessage, ForwardedKeyParam(key), 0);
    CDialog::OnKey(key);
}

WPARAM ForwardedKeyParam(const KeyEvent& key)
{
    return (key.key & 0xFFFFu) | (key.down ? 1u << 16 : 0u) | (key.repeat ? 1u << 17 : 0u) | (key.system ? 1u << 18 : 0u);
}

KeyEvent ForwardedKey(WPARAM wParam)
{
    return {static_cast<unsigned>(wParam & 0xFFFFu), (wParam & (1u << 16)) != 0, (wParam & (1u << 17)) != 0,
            (wParam & (1u << 18)) != 0};
}

void CProgramDialog::OnClose()
{
    ::SendMessageW(GetParent(), WM_CLOSE, 0, 0);
}
