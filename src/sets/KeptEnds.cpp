#include "sets/KeptEnds.h"

#include "common/AppSettings.h"
#include "model/SlotFields.h"
#include "model/HandOver.h"
#include "model/SettingsStore.h"
#include "model/SlotEnds.h"
#include "sets/Sets.h"

namespace {

// Every set's ends, none left behind that the choice would not keep.
void ClearKeptEnds()
{
    ClearSlotEnds(AppProfile());
    ClearOtherSetsEnds();
}

}  // namespace

void RestoreKeptSlotEnds(std::optional<std::uint32_t> takingOverFrom)
{
    const bool handedOver = takingOverFrom && TakeHandOverMark(AppProfile(), *takingOverFrom);
    if (IsOptionOn(KeepRunning) || handedOver) {
        RestoreSlotEnds(AppProfile(), g_timerSlots, CurrentSlotTime(), kSectionSave, RepeatingSlots(CurrentAlerts()),
                        CountingUpSlots(CurrentAlerts()));
    }
    KeepOtherSetsRunning(IsOptionOn(KeepRunning) || handedOver);
    if (handedOver && !IsOptionOn(KeepRunning)) ClearKeptEnds();
}

void StoreSlotEndsForHandOver()
{
    SaveSlotEnds(AppProfile(), g_timerSlots);
    StoreOtherSetsEnds();
    MarkHandOver(AppProfile(), ::GetCurrentProcessId());
}

void DropHandOverEnds()
{
    MarkHandOver(AppProfile(), 0);
    if (!IsOptionOn(KeepRunning)) ClearKeptEnds();
}

void KeepSlotEnd(int index)
{
    if (IsOptionOn(KeepRunning) && index >= 0 && index < kTimerSlotCount) {
        SaveSlotEnd(AppProfile(), g_timerSlots, index);
    }
}

void KeepSlotEnds()
{
    if (IsOptionOn(KeepRunning)) SaveSlotEnds(AppProfile(), g_timerSlots);
}

void SwitchKeptSlotEnds(bool on)
{
    StoreOption(KeepRunning, on);
    if (on) {
        KeepSlotEnds();
        StoreOtherSetsEnds();
    } else {
        ClearKeptEnds();
    }
}

