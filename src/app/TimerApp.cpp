#include "app/TimerApp.h"

#include "app/HostDlg.h"
#include "app/SingleInstance.h"

CTimerApp theApp;

BOOL CTimerApp::InitInstance()
{
    // A second copy would save over the first's slots and place when it ends.
    const std::optional<DWORD> previous = TakeOverFrom(::GetCommandLineW());
    if (!ClaimSingleInstance(previous)) {
        BringRunningCopyForward();
        return FALSE;
    }
    SetRegistryKey(kCompanyKey);

    CHostDlg dlg(previous.has_value());
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The host's loop was the program's only one: end instead of entering another.
    return FALSE;
}

void CTimerApp::WinHelp(DWORD_PTR, UINT) {}
