#include "model/WarningShape.h"

#include "model/SettingsStore.h"

bool ReadShapeWarning(SettingsProfile& profile)
{
    return profile.GetInt(kSectionOption, kEntryShapeWarning, 0) == 1;
}

WarningShape SlotWarningShape(const TimerSlot& slot, std::int32_t now, bool shapeWarning)
{
    if (!shapeWarning || !IsSlotWarning(slot, now)) return {};
    return {true, slot.remaining <= kDigitsBlinkSeconds};
}
