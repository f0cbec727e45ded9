#include "app/ProgramDialog.h"

#include "app/WindowPointers.h"
#include "bar/TimerBarDlg.h"

BOOL CProgramDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

LRESULT CProgramDialog::ForwardKeyUpToBar(UINT nChar)
{
    if (!g_pTimerBarDlg) return Default();
    ::SendMessageW(g_pTimerBarDlg->m_hWnd, WM_KEYUP, nChar, 0);
    return 0;
}

void CProgramDialog::PassCloseToOwner()
{
    ::SendMessageW(GetParent(), WM_CLOSE, 0, 0);
}
