// Tells a screen reader something at once: UI Automation's notification,
// where Windows has it (10, version 1709 and later), found at run time (a
// static import would keep the program from starting on older Windows and
// under Wine 8). Elsewhere readers hear the win-events alone.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

// Whether the system took it (false too where no reader listens).
bool Announce(HWND hWnd, const std::wstring& text);

// The tests' stand-in for the system; null for the system again.
using Announcer = bool(HWND hWnd, const std::wstring& text);
void SetAnnouncer(Announcer* announcer);
