// One running copy per user session: a second start hands over to the first.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <optional>

// True for the first copy, which keeps the claim until it ends. A copy that
// takes over from `previous` (a process id) first waits for it to end.
bool ClaimSingleInstance(std::optional<DWORD> previous = std::nullopt);
// The process a copy started with "/takeover:<id>" takes over from.
std::optional<DWORD> TakeOverFrom(const wchar_t* commandLine);
// Starts this program again as administrator (the shell's "runas"), to take
// over from this copy; false when it did not start (the player declined).
bool StartElevatedCopy();

// Asks the running copy to bring its bar to the front.
void BringRunningCopyForward();

// The message the running copy's host receives for that.
UINT ShowBarMessage();
