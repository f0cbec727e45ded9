// The bar menu's submenu "세트": the sets by name, the one shown checked, and
// what can be done with the set shown (new, rename, delete, export and
// import, through a file or the clipboard).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <vector>

// Commands: a set's place in the names plus kFirstSetCommand, then the others.
constexpr UINT kFirstSetCommand = 100;
constexpr UINT kNewSetCommand = kFirstSetCommand + 40;
constexpr UINT kRenameSetCommand = kNewSetCommand + 1;
constexpr UINT kDeleteSetCommand = kNewSetCommand + 2;
constexpr UINT kExportSetCommand = kNewSetCommand + 3;
constexpr UINT kImportSetCommand = kNewSetCommand + 4;
constexpr UINT kCopySetCommand = kNewSetCommand + 5;
constexpr UINT kPasteSetCommand = kNewSetCommand + 6;

struct SetMenuState {
    std::vector<std::wstring> names;  // in the order of the names
    int shown;
};
SetMenuState CurrentSetMenuState();
// The submenu of that state; it goes with the menu it is put into.
HMENU CreateSetMenu(const SetMenuState& state);

bool IsSetCommand(UINT command);
// Carries out a command of the submenu for the bar (dialogs and boxes owned
// by its owner, the host).
void RunSetCommand(UINT command, HWND hWndBar);
