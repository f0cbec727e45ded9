// The bar's right-click menu: one check item per choice (playing beside a
// game, double size), each showing its state, the sets of slots, the
// settings window, and the restart as administrator where that would help;
// a choice is applied and stored at once.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/PlayOptions.h"
#include "sets/SetMenu.h"

// Menu commands: a choice's option number plus one (0 is "nothing chosen"),
// then the others.
constexpr UINT kFirstChoiceCommand = 1;
constexpr UINT kSettingsCommand = kFirstChoiceCommand + kPlayOptionCount;
constexpr UINT kRestartCommand = kSettingsCommand + 1;

// What the menu shows, as the program stands when it opens.
struct BarMenuState {
    bool on[kPlayOptionCount];
    // Running below administrator with keys everywhere on: a restart as
    // administrator lets a game run as administrator send its keys; in bold
    // while such a game is in front.
    bool offerRestart;
    bool restartFirst;
    SetMenuState sets;
};
BarMenuState CurrentBarMenuState();
// The menu of that state; the caller destroys it.
HMENU CreateBarMenu(const BarMenuState& state);

// Shows the menu at a screen point for the bar and applies what is chosen.
// The window that was in front before (a game) is in front again afterwards.
void ShowBarMenu(HWND hWndBar, POINT screen);
