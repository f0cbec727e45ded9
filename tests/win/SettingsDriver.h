// The settings window at the Win32 layer: opened as the bar's menu opens it
// (modal, in its own loop) and driven from inside that loop, its message
// boxes read and answered as they come.
#pragma once

#include <functional>
#include <string>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

struct SettingsRun {
    INT_PTR result = 0;                 // how the sheet ended: IDOK or IDCANCEL
    std::vector<std::wstring> boxes;    // the texts of the message boxes shown, in order
    std::vector<std::wstring> buttons;  // each box's buttons as it showed them, "&Yes|&No"
};

// Runs `body`, answering every message box it shows with `answer`; once each
// box or other dialog shows, `meanwhile` gets it first (what the player does
// while it waits; a dialog other than a box it must end itself).
SettingsRun AnswerBoxes(const std::function<void()>& body, int answer = IDOK,
                        const std::function<void(HWND)>& meanwhile = nullptr);

// Opens the settings window beside the bar; `steps` runs once it shows, with
// the sheet and its current page, and ends it (OK, Cancel, or as the test
// likes). Every message box is answered with `answer`.
SettingsRun RunSettings(HWND hWndBar, const std::function<void(HWND sheet, HWND page)>& steps, int answer = IDOK);

// Catches a key for the key page's selected row as the player presses it.
void CatchKey(HWND page, unsigned key);
// A click on a page's button, a choice in its combo box, a row of its list.
void ClickButton(HWND page, int id);
void ChooseInCombo(HWND page, int id, int index);
void SelectRow(HWND page, int listId, int row);
// A trackbar moved to a position as a drag leaves it.
void SlideTo(HWND page, int id, int position);
// A button of the sheet (PSBTN_OK, ...); another page brought in front, and its window.
void Press(HWND sheet, int button);
HWND ShowPage(HWND sheet, int index);
// A value of "Option" as stored (-1 where there is none), and how many values it holds.
int Stored(const char* name);
DWORD StoredValueCount();
// Whether a check box of a page is checked.
bool IsChecked(HWND page, int id);
// The text of a list's cell.
std::wstring CellText(HWND page, int listId, int row, int column);
