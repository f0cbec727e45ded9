// What follows a slot's effect where the player asks for it: the rest of its
// cooldown (counted from the start, as the games count it), then "ready";
// and a count past the end, up to ten hours. A slot with neither goes idle at
// its end, as ever. No Windows here.
#pragma once

#include <cstdint>

#include "model/TimerSlots.h"

// The slot whose effect ended at `end`: cooling until its start plus its
// cooldown, then counting up from `end` where `countUp`, idle otherwise.
void FollowEffectEnd(TimerSlot& slot, std::int32_t end, bool countUp, std::int32_t now);
// Counts the cooling and counting-up slots to `now` (`countingUp`: bit i where
// slot i counts past its end). Returns a bit per slot that became ready.
unsigned TickAfterEffects(TimerSlot* slots, unsigned countingUp, std::int32_t now);
