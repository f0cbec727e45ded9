// Triggers from any window: low-level hooks that see every key (and, while
// some slot has a mouse trigger, every mouse button) on its way to the
// program in front, pass each one on unchanged, and post the release of a
// slot's trigger to the bar. Windows removes a hook that answers slowly, so
// they do nothing more; and it may drop them silently across sleep or a
// locked session, so the bar puts them back then.
#pragma once

#include <windows.h>

#include "model/Triggers.h"

// The message the bar gets for a trigger released in another program: wParam
// the trigger (its key and the modifiers held at its press), lParam how long
// it was held, in milliseconds.
constexpr UINT kTriggerReleasedMessage = WM_APP + 0x31;

// Installs the hooks, posting to hWndBar, or (null) removes them; false when
// the system refused the keyboard hook (the choice must not show as on then).
// The bar also gets WM_WTSSESSION_CHANGE while the hooks are in.
bool SetTriggerHooks(HWND hWndBar);
// The triggers the hooks look out for; the mouse hook is in only while one
// of them is a mouse button (and the hooks are on).
void WatchTriggers(const SlotTriggers& triggers);

// How hooks are installed: SetWindowsHookExW, or a stand-in for tests.
using HookInstaller = HHOOK WINAPI(int, HOOKPROC, HINSTANCE, DWORD);
void SetHookInstaller(HookInstaller* install);
// After a resume or an unlock: hooks that are in are installed afresh; false
// when the system refused the keyboard hook this time.
bool RenewTriggerHooks();
// Once a second or so while the hooks are in: a keyboard hook the system
// dropped (keys held that it never saw) is installed again; true then.
bool WatchTriggerHooks();

// Shift, Ctrl, Alt and the Windows keys held as of the message being handled,
// as trigger modifiers (the hooks track their own from the events).
unsigned HeldModifiers();
// The hooks' own callbacks, for the benchmark that times them.
LRESULT CALLBACK TriggerKeyProc(int nCode, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TriggerMouseProc(int nCode, WPARAM wParam, LPARAM lParam);
