// Running timers kept across a restart: each running slot's end, the
// wall-clock second at which it reaches zero, stored as "End#0" to "End#8"
// (REG_DWORD) in section "Save". 0 stands for no end: an idle slot. A slot
// cooling or counting past its end keeps its effect's end: what follows is
// derived from it (its start was the end less its duration).
#pragma once

#include <cstdint>

#include "model/SettingsProfile.h"
#include "model/TimerSlots.h"

constexpr std::int32_t kNoSlotEnd = 0;
// The longest time the editor can set: a stored end further away than this
// (or than the slot's own duration, if longer) is taken for damage, not a timer.
constexpr std::int32_t kLongestPlausibleRun = 99 * 3600 + 59 * 60 + 59;

// The slot's effect's end, or kNoSlotEnd when it is idle (or its end lies outside the clock).
std::int32_t SlotEnd(const TimerSlot& slot);
// Starts the slot from a stored end when that end lies ahead of `now` by no
// more than a plausible run; otherwise leaves the slot as it is. True when it
// runs. A slot that repeats (`repeating`) whose end has passed runs on in step
// with it: started again at each end, from its full time. One whose end has
// passed goes on cooling, or counting up where `countUp`, if that is not over.
bool RunOnFromEnd(TimerSlot& slot, std::int32_t end, std::int32_t now, bool repeating = false, bool countUp = false);

// In section "Save", or a set's own.
void SaveSlotEnd(SettingsProfile& profile, const TimerSlot* slots, int index, const char* section = "Save");
void SaveSlotEnds(SettingsProfile& profile, const TimerSlot* slots, const char* section = "Save");
void ClearSlotEnds(SettingsProfile& profile, const char* section = "Save");
// `repeating`, `countingUp`: one bit per slot that starts again at its end, or counts past it.
void RestoreSlotEnds(SettingsProfile& profile, TimerSlot* slots, std::int32_t now, const char* section = "Save",
                     unsigned repeating = 0, unsigned countingUp = 0);
