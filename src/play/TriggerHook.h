// Triggers from any window: low-level hooks that see every key (and, while
// some slot has a mouse trigger, every mouse button) on its way to the
// program in front, pass each one on unchanged, and post the release of a
// watched key or button to the bar, which decides what it does. Windows
// removes a hook that answers slowly, so the callbacks do nothing more: no
// call to the system beyond posting and handing the event on.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/Triggers.h"

// The message the bar gets for a watched trigger released anywhere: wParam
// the trigger (its key and the modifiers held at its press), lParam how long
// it was held, in milliseconds.
constexpr UINT kTriggerReleasedMessage = WM_APP + 0x31;

// Installs the hooks afresh, posting to hWndTarget, or (null) removes them;
// false when the system refused the keyboard hook (none is in then).
bool SetTriggerHooks(HWND hWndTarget);
// Whether the hooks see this key or button now (they are in, and for a
// button the mouse hook too): then theirs is the release that acts.
bool HooksSee(unsigned key);
// The triggers the hooks look out for; the mouse hook is in only while one
// of them is a mouse button (and the hooks are on).
void WatchTriggers(const SlotTriggers& triggers);

// How hooks are installed: SetWindowsHookExW, or a stand-in for tests.
using HookInstaller = HHOOK WINAPI(int, HOOKPROC, HINSTANCE, DWORD);
void SetHookInstaller(HookInstaller* install);
// How the keys held are read: GetAsyncKeyState, or a stand-in for tests.
using KeyStateReader = SHORT WINAPI(int);
void SetKeyStateReader(KeyStateReader* read);

// Once a second or so while the hooks are in: a keyboard hook the system
// dropped (keys held that it never saw) is installed again.
enum class HookHealth { Out, Healthy, Reinstalled, Refused };
HookHealth WatchTriggerHooks();

// The hooks' own callbacks, for the benchmark and the tests that call them as
// the system does.
LRESULT CALLBACK TriggerKeyProc(int nCode, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TriggerMouseProc(int nCode, WPARAM wParam, LPARAM lParam);
