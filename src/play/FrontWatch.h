// Another window coming to the front, told to a window of ours at once (a
// win-event hook on the system's foreground changes, out of context: nothing
// runs in the other programs). Asked for only while something waits on it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// To the watching window, from its own thread's message loop.
constexpr UINT kFrontChangedMessage = WM_APP + 0x32;

// Starts or stops telling `hWnd`; false where the system refused the hook.
bool WatchFront(HWND hWnd, bool watch);
