#include "app/SingleInstance.h"

#include <shellapi.h>

#include <string>

#include "framework/Handle.h"
#include "framework/LateLibrary.h"
#include "framework/WinApp.h"
#include "model/HandOver.h"
#include "play/FrontProgram.h"
#include "res/resource.h"

namespace {

constexpr wchar_t kMutexName[] = L"Local\\Melkbay.Tavorin.Running";
constexpr wchar_t kShowBarMessage[] = L"Melkbay.Tavorin.ShowBar";
constexpr wchar_t kDialogClass[] = L"#32770";
// The old copy ends as soon as the new one has started; give it time to save.
constexpr DWORD kTakeOverWaitMs = 20000;

}  // namespace

bool StartElevatedCopy()
{
    const CLateLibrary shell(L"shell32.dll");
    auto* execute = shell.Get<decltype(::ShellExecuteExW)>("ShellExecuteExW");
    wchar_t path[MAX_PATH * 2];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    if (!execute || length == 0 || length >= MAX_PATH * 2) return false;
    const std::wstring parameters = TakeOverArguments(::GetCurrentProcessId());
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"runas";
    info.lpFile = path;
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    return execute(&info) != FALSE;
}

bool WaitForHandingCopy(DWORD processId)
{
    if (processId == ::GetCurrentProcessId()) return false;
    CHandle process(::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return false;
    const std::wstring theirs = ExecutableOf(process);
    const std::wstring ours = ExecutableOf(::GetCurrentProcess());
    if (theirs.empty() || ::CompareStringOrdinal(theirs.c_str(), -1, ours.c_str(), -1, TRUE) != CSTR_EQUAL) {
        return false;
    }
    return ::WaitForSingleObject(process, kTakeOverWaitMs) == WAIT_OBJECT_0;
}

bool ClaimSingleInstance()
{
    // Held, never closed, for the process's life; the system frees it at the end.
    HANDLE hMutex = ::CreateMutexW(nullptr, FALSE, kMutexName);
    return hMutex && ::GetLastError() != ERROR_ALREADY_EXISTS;
}

void AcceptRunningCopyMessages(HWND hWndHost)
{
    // Windows 7 and later; before, a copy at a lower level cannot ask.
    using FilterFn = BOOL WINAPI(HWND, UINT, DWORD, void*);
    static auto* filter = reinterpret_cast<FilterFn*>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx")));
    if (filter) filter(hWndHost, ShowBarMessage(), MSGFLT_ALLOW, nullptr);
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
