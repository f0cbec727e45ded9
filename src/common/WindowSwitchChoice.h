// A switch of the window page turned on or off: stored where it changed, and
// the bar follows at once.
#pragma once

#include "model/WindowSwitches.h"

void ApplyWindowSwitch(WindowSwitch which, bool on);
