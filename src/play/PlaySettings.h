// The slots' triggers from other programs as the "keys everywhere" choice
// sets them going: for the bar as it is created, after a resume or an
// unlock, as the player switches the choice, and after new triggers.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// A hook the system refuses shows the choice off for this run; the stored
// choice stays for the next.
void StartDigitKeys(HWND hWndBar);
void RenewDigitKeys();
// Applies and stores the choice; one that cannot be applied (the hook
// refused) stays off and is not stored. False then.
bool SwitchDigitKeys(bool on);
// The hooks look out for the triggers stored now.
void FollowStoredTriggers();
