#include "model/PlayOptions.h"

#include "model/SettingsStore.h"

const char* PlayOptionEntry(PlayOption option)
{
    switch (option) {
    case TriggersEverywhere: return "GlobalDigitKeys";
    case ExpirySound: return "ExpirySound";
    case KeepRunning: return "KeepRunning";
    case DoubleSize: return "DoubleSize";
    case ClickThrough: return "ClickThrough";
    default: return "";
    }
}

bool ReadPlayOption(SettingsProfile& profile, PlayOption option)
{
    return profile.GetInt(kSectionOption, PlayOptionEntry(option), 0) == 1;
}

void WritePlayOption(SettingsProfile& profile, PlayOption option, bool on)
{
    profile.WriteInt(kSectionOption, PlayOptionEntry(option), on ? 1 : 0);
}
