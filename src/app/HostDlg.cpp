#include "app/HostDlg.h"

#include "common/AppSettings.h"
#include "sets/KeptEnds.h"
#include "common/ProgramLanguage.h"
#include "sets/Sets.h"
#include "app/SingleInstance.h"
#include "app/ElevatedRestart.h"
#include "bar/TimerBarDlg.h"
#include "editor/TimerEditDlg.h"
#include "framework/Gdi.h"
#include "framework/Thread.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/SettingsWindow.h"
#include "update/UpdateCheck.h"

namespace {

// The about-box command range of the system menu; Tavorin has no about box.
bool IsAboutCommand(UINT nID)
{
    return (nID & 0xFFF0) == 0x0010;
}

}  // namespace

CHostDlg::CHostDlg(std::optional<std::uint32_t> takingOverFrom)
    : CProgramDialog(IDD_HOST, nullptr),
      m_hIcon(::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDI_APPLICATION_SMALL))),
      m_takingOverFrom(takingOverFrom)
{
}

bool CHostDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_QUERYDRAGICON:
        *result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    case kRestartElevatedMessage:
        RestartElevated();
        *result = 0;
        return true;
    default:
        if (message == ShowBarMessage()) {
            ShowBar();
            *result = 0;
            return true;
        }
        return CProgramDialog::OnWndMsg(message, wParam, lParam, result);
    }
}

void CHostDlg::ShowBar()
{
    if (!BarWindow()) return;
    ::ShowWindow(BarWindow(), SW_SHOWNORMAL);
    ::SetForegroundWindow(BarWindow());
    ::SetFocus(BarWindow());
}

int CHostDlg::OnCreate()
{
    if (Default() == -1) return -1;
    LoadSets();
    LoadSlotSettings();
    LoadOptions();
    SettleOtherSetsKeys();
    TakeChosenLanguage();
    RestoreKeptSlotEnds(m_takingOverFrom);
    return 0;
}

BOOL CHostDlg::OnInitDialog()
{
    CProgramDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SetWindowTextW(m_hWnd, LoadResourceString(IDS_TITLE).c_str());
    AcceptRunningCopyMessages(m_hWnd);
    // Zero size in the top left corner; the modal loop shows it once idle, and
    // from then on it is only the taskbar entry.
    SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_HIDEWINDOW);
    // The program's one version check per start-up.
    UpdateCheckRequest* request = NewUpdateCheckRequest();
    if (!AfxBeginThread(UpdateCheckWorker, request)) delete request;
    CreateEditor();
    CreateBar();
    return TRUE;
}

void CHostDlg::CreateEditor()
{
    if (EditorWindow()) return;
    HWND hWnd = CDialog::CreateSelfDeleting(new CTimerEditDlg, IDD_TIMER_EDIT);
    if (hWnd) ::ShowWindow(hWnd, SW_HIDE);
}

void CHostDlg::CreateBar()
{
    if (BarWindow()) return;
    HWND hWnd = CDialog::CreateSelfDeleting(new CTimerBarDlg, IDD_TIMER_BAR);
    if (!hWnd) return;
    ::ShowWindow(hWnd, SW_SHOW);
    ::SetFocus(hWnd);
    ::SetForegroundWindow(hWnd);
}

void CHostDlg::OnSysCommand(UINT nID)
{
    if (IsAboutCommand(nID & 0xFFFF)) return;
    Default();
}

void CHostDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd)) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
}

void CHostDlg::OnClose()
{
    // The slots are saved as the host goes, however the loop ends; an open
    // settings window is left unstored, as its Cancel would.
    CancelSettings();
    EndDialog(IDCANCEL);
}

void CHostDlg::OnDestroy()
{
    SaveSlotsOnce();
    CProgramDialog::OnDestroy();
}

void CHostDlg::SaveSlotsOnce()
{
    if (m_bSlotsSaved) return;
    m_bSlotsSaved = true;
    SaveSlotSettings();
    KeepSlotEnds();
}

bool CHostDlg::OnQueryEndSession()
{
    return true;
}

void CHostDlg::OnEndSession(bool ending)
{
    if (!ending) return;
    // Windows may end the process as soon as this returns: save everything a
    // normal close saves, now. No window is destroyed here: this sent message
    // also arrives inside the loop of a message box or of the bar's menu,
    // whose code goes on with its window afterwards.
    SaveSlotsOnce();
    for (HWND hWnd : {BarWindow(), EditorWindow()}) {
        if (hWnd) ::SendMessageW(hWnd, kSaveStateMessage, 0, 0);
    }
    StopSettingsWrites();
    EndDialog(IDCANCEL);
}

void CHostDlg::RestartElevated()
{
    RestartAsAdministrator(StartElevatedCopy);
}
