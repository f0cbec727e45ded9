// Moving values between a dialog's members and its controls. Stands in for the
// application framework's dialog data exchange, as far as the program needs it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

class CDataExchange {
public:
    CDataExchange(HWND hWndDialog, BOOL bSaveAndValidate) : m_hWndDialog(hWndDialog), m_bSaveAndValidate(bSaveAndValidate) {}

    HWND m_hWndDialog;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members, with checks
    bool m_bFailed = false;   // a check failed; the user has been told
    int m_nLastControl = 0;   // the control of the last exchange, for the checks
};

// An edit control's text.
void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value);

// At most nChars bytes of the ANSI code page, as text is stored. Towards the
// control it sets the control's input limit; from it, a longer text gets the
// framework's "at most %1 characters" message.
void DDV_MaxChars(CDataExchange* pDX, const std::wstring& value, int nChars);
