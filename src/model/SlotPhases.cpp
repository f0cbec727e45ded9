#include "model/SlotPhases.h"

namespace {

// Ready: counting up from the effect's end where it may, idle otherwise.
void FollowReady(TimerSlot& slot, bool countUp, std::int32_t now)
{
    const std::int64_t since = std::int64_t{now} - slot.ended;
    if (countUp && since >= 0 && since < kLongestCountUp) {
        slot.state = CountingUp;
        slot.remaining = static_cast<std::int32_t>(since);
        slot.lastTick = now;
    } else {
        slot.state = Idle;
    }
}

}  // namespace

void FollowEffectEnd(TimerSlot& slot, std::int32_t end, bool countUp, std::int32_t now)
{
    slot.ended = end;
    const std::int64_t ready = std::int64_t{slot.started} + slot.cooldown;
    if (slot.cooldown > 0 && ready > now) {
        slot.state = Cooling;
        slot.remaining = static_cast<std::int32_t>(ready - now);
        slot.lastTick = now;
        return;
    }
    FollowReady(slot, countUp, now);
}

unsigned TickAfterEffects(TimerSlot* slots, unsigned countingUp, std::int32_t now)
{
    unsigned ready = 0;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        TimerSlot& slot = slots[i];
        const bool countUp = (countingUp & (1u << i)) != 0;
        if (slot.state == CountingUp) FollowReady(slot, countUp, now);
        if (slot.state != Cooling) continue;
        const std::int64_t left = std::int64_t{slot.lastTick} + slot.remaining - now;
        if (left > 0) {
            slot.remaining = static_cast<std::int32_t>(left);
            slot.lastTick = now;
            continue;
        }
        ready |= 1u << i;
        FollowReady(slot, countUp, now);
    }
    return ready;
}
