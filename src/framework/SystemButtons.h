// The buttons Windows draws itself (a message box's, a property sheet's) in
// the language the player chose: Windows gives them in its own display
// language, which may not be the one the program shows. Where the program
// follows Windows' language they stay as Windows labels them.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The framework's string numbers for those buttons, which the program's string table fills in.
constexpr UINT AFX_IDS_BUTTON_OK = 0xF201;
constexpr UINT AFX_IDS_BUTTON_CANCEL = 0xF202;
constexpr UINT AFX_IDS_BUTTON_YES = 0xF206;
constexpr UINT AFX_IDS_BUTTON_NO = 0xF207;

// Relabels the dialog's OK, Cancel, Yes and No buttons, those it has.
void LabelSystemButtons(HWND hWndDialog);
