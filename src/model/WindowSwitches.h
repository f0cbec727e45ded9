// The window page's switches beside the menu's choices, each REG_DWORD 0 or 1
// in section "Option", off by default: anything but 1 reads as off. No Windows here.
#pragma once

#include "model/SettingsProfile.h"

enum class WindowSwitch {
    ShapeWarning,     // the red phase shown by shape as well ("ShapeWarning")
    HideWithoutGame,  // the bar hidden while the one game is not in front ("HideWithoutGame")
    kCount
};

const char* WindowSwitchEntry(WindowSwitch which);
bool ReadWindowSwitch(SettingsProfile& profile, WindowSwitch which);
