// One running copy per user session: a second start hands over to the first.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// True for the first copy, which keeps the claim until it ends.
bool ClaimSingleInstance();

// Asks the running copy to bring its bar to the front.
void BringRunningCopyForward();

// The message the running copy's host receives for that.
UINT ShowBarMessage();
