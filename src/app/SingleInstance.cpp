#include "app/SingleInstance.h"

#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

constexpr wchar_t kMutexName[] = L"Local\\Melkbay.Tavorin.Running";
constexpr wchar_t kShowBarMessage[] = L"Melkbay.Tavorin.ShowBar";
constexpr wchar_t kDialogClass[] = L"#32770";

}  // namespace

bool ClaimSingleInstance()
{
    // Held, never closed, for the process's life; the system frees it at the end.
    HANDLE hMutex = ::CreateMutexW(nullptr, FALSE, kMutexName);
    return hMutex && ::GetLastError() != ERROR_ALREADY_EXISTS;
}

void BringRunningCopyForward()
{
    HWND hWndHost = ::FindWindowW(kDialogClass, LoadResourceString(IDS_TITLE).c_str());
    if (!hWndHost) return;  // still starting, or ending: nothing to show
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hWndHost, &processId);
    // The copy just started by the user may pass on its right to the foreground.
    ::AllowSetForegroundWindow(processId);
    ::PostMessageW(hWndHost, ShowBarMessage(), 0, 0);
}

UINT ShowBarMessage()
{
    static const UINT message = ::RegisterWindowMessageW(kShowBarMessage);
    return message;
}
