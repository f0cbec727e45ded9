// Digit keys from any window: a low-level keyboard hook that sees every key
// on its way to the focused program, passes each one on unchanged, and posts
// the release of digit key 1 to 9 to the bar. Windows removes a hook that
// answers slowly, so it does nothing more; and it may drop it silently across
// sleep or a locked session, so the bar puts it back then.
#pragma once

#include <windows.h>

// The message the bar gets for a digit key released in another program;
// wParam is the virtual key ('1' to '9').
constexpr UINT kGlobalDigitKeyMessage = WM_APP + 0x31;

// Installs the hook, posting to hWndBar, or (null) removes it; false when the
// system refused the hook (the choice must not show as on then). The bar also
// gets WM_WTSSESSION_CHANGE while the hook is in.
bool SetDigitKeyHook(HWND hWndBar);

// How hooks are installed: SetWindowsHookExW, or a stand-in for tests.
using HookInstaller = HHOOK WINAPI(int, HOOKPROC, HINSTANCE, DWORD);
void SetHookInstaller(HookInstaller* install);
// After a resume or an unlock: a hook that is in is installed afresh; false
// when the system refused it this time.
bool RenewDigitKeyHook();
