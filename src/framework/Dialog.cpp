#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/ResourceLanguage.h"
#include "framework/Trace.h"
#include "framework/WinApp.h"

namespace {

// The system timer message (caret blink and the like) counts as "not idle",
// so the hidden dialog is shown before it is handled.
constexpr UINT kSysTimerMessage = 0x0118;
// The framework's Help command.
constexpr UINT kHelpCommand = 0xE146;

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

HWND CDialog::CreateFromTemplate(UINT nIDTemplate, HWND hWndOwner, bool* pBound)
{
    HookWindowCreate();
    const DLGTEMPLATE* dialogTemplate = LanguageDialogTemplate(nIDTemplate);
    HWND hWnd = dialogTemplate ? ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), dialogTemplate, hWndOwner,
                                                              DialogProc, 0)
                               : nullptr;
    const bool bound = UnhookWindowCreate();
    if (pBound) *pBound = bound;
    TRACE(L"window of template " + std::to_wstring(nIDTemplate) +
          (hWnd ? L" created" : L" not created, error " + std::to_wstring(::GetLastError())));
    return hWnd;
}

INT_PTR CDialog::DoModal()
{
    HWND hWndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_nModalResult = -1;
    if (!CreateFromTemplate(m_nIDTemplate, hWndOwner)) return -1;
    RunModalLoop();
    if (m_hWnd) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow();
    }
    return m_nModalResult;
}

void CDialog::RunModalLoop()
{
    bool showPending = (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_VISIBLE) == 0;
    m_bContinueModal = true;
    MSG msg;
    while (m_bContinueModal && m_hWnd) {
        if (showPending && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            showPending = false;
            ShowWindow(SW_SHOWNORMAL);
            ::UpdateWindow(m_hWnd);
        }
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the outer loop
            break;
        }
        if (got == -1) break;
        if (showPending && (msg.message == kSysTimerMessage || msg.message == WM_SYSKEYDOWN)) {
            showPending = false;
            ShowWindow(SW_SHOWNORMAL);
            ::UpdateWindow(m_hWnd);
        }
        if (!WalkPreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

HWND CDialog::CreateSelfDeleting(CDialog* pDialog, UINT nIDTemplate)
{
    pDialog->m_nIDTemplate = nIDTemplate;
    pDialog->m_pParentWnd = nullptr;
    CWnd* pOwner = AfxGetMainWnd();
    bool bound = false;
    HWND hWnd = pDialog->CreateFromTemplate(nIDTemplate, pOwner ? pOwner->m_hWnd : nullptr, &bound);
    if (!hWnd && !bound) delete pDialog;
    return hWnd;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = false;
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(m_hWnd, bSaveAndValidate);
    DoDataExchange(&dx);
    return dx.m_bFailed ? FALSE : TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    const bool keyboard = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    if (!keyboard && !mouse) return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_INITDIALOG:
        *result = OnInitDialog();
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOK();
        } else if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
        } else if (LOWORD(wParam) == kHelpCommand) {
            AfxGetApp()->WinHelp(0, HELP_CONTEXT);
        } else {
            return false;
        }
        *result = 0;
        return true;
    case WM_HELP:
        // Help has nowhere to go: the application's help entry point decides.
        AfxGetApp()->WinHelp(0, HELP_CONTEXT);
        *result = TRUE;
        return true;
    default:
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
}
