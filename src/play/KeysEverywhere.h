// "Keys everywhere": the slots' triggers from every program, as the player's
// choice sets them going, kept in place and put back. A hook the system
// refuses shows the choice off for this run (the stored choice stays) and is
// tried again at the next resume, unlock or menu choice.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The bar as it is created and as it goes.
void StartKeysEverywhere(HWND hWndBar);
void StopKeysEverywhere();
// After a resume or an unlock: the chosen hooks in afresh (or again, after a refusal).
void RenewKeysEverywhere();
// Applies and stores the choice; one that cannot be applied (the hook
// refused) stays off and is not stored. False then.
bool SwitchKeysEverywhere(bool on);
// The hooks look out for the triggers stored now.
void FollowStoredTriggers();
// Once a second, from the bar's tick: the watch on the keyboard hook, and
// the session notifications asked for again while the system refused them
// (as before its session service is up, when the program starts with Windows).
void CheckKeysEverywhere();
// How often the watch had to put the hook back in the last minute.
int HookReinstallsLately();
// Takes the hooks out for a while (the program blocks in a call that may
// take long) and puts back what the choice wants afterwards.
void SuspendKeysEverywhere(bool suspend);

// How the bar asks for session notifications (unlock): wtsapi32, or a stand-in for tests.
using SessionWatcher = bool(HWND hWnd, bool watch);
void SetSessionWatcher(SessionWatcher* watcher);
