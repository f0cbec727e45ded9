// One running copy per user session: a second start hands over to the first.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// True for the first copy, which keeps the claim until it ends.
bool ClaimSingleInstance();
// A copy started to take over from another (the restart as administrator)
// waits for that one to end, and only for one that is this program: false,
// at once, for any other process.
bool WaitForHandingCopy(DWORD processId);
// Starts this program again as administrator (the shell's "runas"), to take
// over from this copy; false when it did not start (the player declined).
bool StartElevatedCopy();
// Lets a copy at a lower level (a normal start, while this one runs as
// administrator) reach this window with the message it sends.
void AcceptRunningCopyMessages(HWND hWndHost);

// Asks the running copy to bring its bar to the front.
void BringRunningCopyForward();

// The message the running copy's host receives for that.
UINT ShowBarMessage();
