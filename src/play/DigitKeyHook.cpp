#include "play/DigitKeyHook.h"

#include <wtsapi32.h>

#include "framework/LateLibrary.h"
#include "framework/Trace.h"
#include "framework/Wnd.h"
#include "model/TimerSlots.h"

namespace {

HHOOK g_hHook = nullptr;
HWND g_hWndTarget = nullptr;
HookInstaller* g_install = ::SetWindowsHookExW;

LRESULT CALLBACK DigitKeyProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && (wParam == WM_KEYUP || wParam == WM_SYSKEYUP)) {
        const DWORD vk = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode;
        // A release in one of our own windows reaches the bar as a key-up of its own.
        if (SlotOfDigitKey(vk) >= 0 && !IsWindowOfThisProcess(::GetForegroundWindow())) {
            ::PostMessageW(g_hWndTarget, kGlobalDigitKeyMessage, vk, 0);
        }
    }
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

// Session notifications tell the bar of an unlock; wtsapi32 is loaded only
// for a player who turned the hook on.
void WatchSession(HWND hWnd, bool watch)
{
    static CLateLibrary wtsapi(L"wtsapi32.dll");
    using Register = BOOL WINAPI(HWND, DWORD);
    using Unregister = BOOL WINAPI(HWND);
    if (watch) {
        if (auto* registerFn = wtsapi.Get<Register>("WTSRegisterSessionNotification")) {
            registerFn(hWnd, NOTIFY_FOR_THIS_SESSION);
        }
    } else if (auto* unregisterFn = wtsapi.Get<Unregister>("WTSUnRegisterSessionNotification")) {
        unregisterFn(hWnd);
    }
}

void Unhook()
{
    if (g_hHook) ::UnhookWindowsHookEx(g_hHook);
    g_hHook = nullptr;
}

bool Hook()
{
    g_hHook = g_install(WH_KEYBOARD_LL, DigitKeyProc, ::GetModuleHandleW(nullptr), 0);
    TRACE(g_hHook ? std::wstring(L"keyboard hook installed")
                  : L"keyboard hook refused, error " + std::to_wstring(::GetLastError()));
    return g_hHook != nullptr;
}

}  // namespace

bool SetDigitKeyHook(HWND hWndBar)
{
    Unhook();
    const bool hooked = hWndBar && Hook();
    HWND hWndTarget = hooked ? hWndBar : nullptr;  // refused: nothing to watch for
    if (g_hWndTarget != hWndTarget) {
        if (g_hWndTarget) WatchSession(g_hWndTarget, false);
        if (hWndTarget) WatchSession(hWndTarget, true);
        g_hWndTarget = hWndTarget;
    }
    return hooked || !hWndBar;
}

void SetHookInstaller(HookInstaller* install)
{
    g_install = install ? install : ::SetWindowsHookExW;
}

bool RenewDigitKeyHook()
{
    if (!g_hHook) return true;
    Unhook();
    return Hook();
}
