// The application object: sets the registry key and runs the host window.
#pragma once

#include "framework/WinApp.h"

// The company key under HKEY_CURRENT_USER\Software.
constexpr wchar_t kCompanyKey[] = L"Melkbay";

class CTimerApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // Tavorin has no help file: help requests do nothing.
    void WinHelp(DWORD_PTR data, UINT command) override;
};
