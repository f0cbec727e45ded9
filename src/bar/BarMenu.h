// The bar's right-click menu: one check item per choice (playing beside a
// game, double size), each showing its state; a choice is applied and
// stored at once.
#pragma once

#include <windows.h>

// Shows the menu at a screen point for the bar and applies what is chosen.
// The window that was in front before (a game) is in front again afterwards.
void ShowBarMenu(HWND hWndBar, POINT screen);
