#include "app/TimerApp.h"

#include "app/HostDlg.h"

CTimerApp theApp;

BOOL CTimerApp::InitInstance()
{
    SetRegistryKey(kCompanyKey);

    CHostDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The host's loop was the program's only one: end instead of entering another.
    return FALSE;
}

void CTimerApp::WinHelp(DWORD_PTR, UINT) {}
