#include "app/SingleInstance.h"

#include <shellapi.h>

#include <cwchar>
#include <string>

#include "framework/LateLibrary.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

constexpr wchar_t kMutexName[] = L"Local\\Melkbay.Tavorin.Running";
constexpr wchar_t kShowBarMessage[] = L"Melkbay.Tavorin.ShowBar";
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kTakeOver[] = L"/takeover:";
// The old copy ends as soon as the new one has started; give it time to save.
constexpr DWORD kTakeOverWaitMs = 20000;

}  // namespace

std::optional<DWORD> TakeOverFrom(const wchar_t* commandLine)
{
    const wchar_t* at = commandLine ? std::wcsstr(commandLine, kTakeOver) : nullptr;
    if (!at) return std::nullopt;
    wchar_t* end = nullptr;
    const unsigned long id = std::wcstoul(at + std::wcslen(kTakeOver), &end, 10);
    if (end == at + std::wcslen(kTakeOver) || id == 0 || id > 0xFFFFFFFFul) return std::nullopt;
    return static_cast<DWORD>(id);
}

bool StartElevatedCopy()
{
    const CLateLibrary shell(L"shell32.dll");
    auto* execute = shell.Get<decltype(::ShellExecuteExW)>("ShellExecuteExW");
    wchar_t path[MAX_PATH * 2];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    if (!execute || length == 0 || length >= MAX_PATH * 2) return false;
    const std::wstring parameters = kTakeOver + std::to_wstring(::GetCurrentProcessId());
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.lpVerb = L"runas";
    info.lpFile = path;
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    return execute(&info) != FALSE;
}

bool ClaimSingleInstance(std::optional<DWORD> previous)
{
    if (previous) {
        if (HANDLE hPrevious = ::OpenProcess(SYNCHRONIZE, FALSE, *previous)) {
            ::WaitForSingleObject(hPrevious, kTakeOverWaitMs);
            ::CloseHandle(hPrevious);
        }
    }
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
