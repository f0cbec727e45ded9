// The choices of the bar's menu (three for playing beside a game, the
// windows' double size and the bar's click-through), stored as REG_DWORD 0 or 1 in section "Option":
// anything but 1 reads as off, so an odd value never turns a feature on.
#pragma once

#include "model/SettingsProfile.h"

enum PlayOption {
    TriggersEverywhere,  // the slots' triggers act from every program ("GlobalDigitKeys")
    ExpirySound,         // a chime when a running slot reaches zero
    KeepRunning,         // running slots survive a restart of the program
    DoubleSize,          // both windows one whole scale larger
    ClickThrough,        // clicks on the bar pass to the window beneath, but while Ctrl is held
    kPlayOptionCount
};

const char* PlayOptionEntry(PlayOption option);
bool ReadPlayOption(SettingsProfile& profile, PlayOption option);
void WritePlayOption(SettingsProfile& profile, PlayOption option, bool on);
