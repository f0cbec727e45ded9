#include "app/TimerApp.h"

#include <commctrl.h>

#include "app/HostDlg.h"

CTimerApp theApp;

BOOL CTimerApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    SetRegistryKey(kCompanyKey);

    CHostDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The host's loop was the program's only one: end instead of entering another.
    return FALSE;
}

void CTimerApp::WinHelp(DWORD_PTR, UINT) {}
