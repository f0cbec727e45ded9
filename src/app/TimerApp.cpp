#include "app/TimerApp.h"

#include "app/HostDlg.h"
#include "app/SingleInstance.h"
#include "model/HandOver.h"
#include "res/resource.h"

// The string table fills in the framework's own strings.
static_assert(IDS_APP_NAME == AFX_IDS_APP_TITLE && IDS_MAX_CHARS_PROMPT == AFX_IDP_PARSE_STRING_SIZE);

CTimerApp theApp;

BOOL CTimerApp::InitInstance()
{
    // A copy started to take over from another waits for it to end first.
    std::optional<std::uint32_t> previous = TakeOverFrom(::GetCommandLineW());
    if (previous && !WaitForHandingCopy(*previous)) previous.reset();
    // A second copy would save over the first's slots and place when it ends.
    if (!ClaimSingleInstance()) {
        BringRunningCopyForward();
        return FALSE;
    }
    SetRegistryKey(kCompanyKey);

    CHostDlg dlg(previous);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The host's loop was the program's only one: end instead of entering another.
    return FALSE;
}

void CTimerApp::WinHelp(DWORD_PTR, UINT) {}
