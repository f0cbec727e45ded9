// Running timers of every set kept across restarts, and handed over to a
// copy started as administrator.
#pragma once

#include <cstdint>
#include <optional>

// Running timers kept across restarts, while "keep running" is on: at
// start-up a stored end ahead runs on; a slot's end is stored after it was
// started, stopped or committed, every end at a save.
// A copy that takes over from another (the restart as administrator) gets
// the running timers that copy handed over, whatever the choice.
void RestoreKeptSlotEnds(std::optional<std::uint32_t> takingOverFrom = std::nullopt);
// Before handing over to a new copy: every running end, whatever the choice,
// marked as this copy's; and where the hand-over did not happen, none left
// behind that the choice would not keep.
void StoreSlotEndsForHandOver();
void DropHandOverEnds();
void KeepSlotEnd(int index);
void KeepSlotEnds();
// Stores the choice; turned on every running end is stored at once, turned
// off none is left behind.
void SwitchKeptSlotEnds(bool on);
