#include "model/WindowSwitches.h"

#include "model/SettingsStore.h"

const char* WindowSwitchEntry(WindowSwitch which)
{
    return which == WindowSwitch::ShapeWarning ? "ShapeWarning" : "HideWithoutGame";
}

bool ReadWindowSwitch(SettingsProfile& profile, WindowSwitch which)
{
    return profile.GetInt(kSectionOption, WindowSwitchEntry(which), 0) == 1;
}
