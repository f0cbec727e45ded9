// Message boxes of the program. Stands in for the application framework's
// AfxMessageBox.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

// Everything a box needs, taken while the program runs, so that a box can be
// shown from any thread.
struct MessageBoxContext {
    std::wstring caption;  // the application name
    HWND hWndMain;         // the program's main window
};

MessageBoxContext CurrentMessageBoxContext();

// Shows a box owned by the main window's most recently active pop-up (the main
// window disabled meanwhile too); with no icon asked for, the exclamation icon.
int AfxMessageBox(const MessageBoxContext& context, const std::wstring& text, UINT type = MB_OK);
