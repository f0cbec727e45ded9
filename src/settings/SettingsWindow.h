// The settings window "설정": a standard property sheet owned by the host (no
// taskbar entry of its own), one at a time, whose pages each show and store
// their part of the player's settings. OK stores and applies; Cancel changes
// nothing.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Opens it near the bar, or brings the open one to the front; returns when it
// closes: IDOK, IDCANCEL, or 0 when one was open already.
INT_PTR ShowSettings(HWND hWndBar);
// Closes an open one as if cancelled (the program is ending).
void CancelSettings();
