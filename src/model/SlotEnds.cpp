#include "model/SlotEnds.h"

#include <algorithm>
#include <string>

#include "model/SettingsStore.h"
#include "model/SlotPhases.h"

namespace {

std::string EndEntry(int index)
{
    return "End#" + std::to_string(index);
}

}  // namespace

std::int32_t SlotEnd(const TimerSlot& slot)
{
    if (IsSlotAfterEffect(slot)) return slot.ended > 0 ? slot.ended : kNoSlotEnd;
    if (slot.state != Running) return kNoSlotEnd;
    const std::int64_t end = std::int64_t{slot.lastTick} + slot.remaining;
    // An end the stored 32 bits cannot hold, or one that reads as "no end", is not kept.
    if (end <= 0 || end > INT32_MAX) return kNoSlotEnd;
    return static_cast<std::int32_t>(end);
}

bool RunOnFromEnd(TimerSlot& slot, std::int32_t end, std::int32_t now, bool repeating, bool countUp)
{
    std::int64_t left = std::int64_t{end} - now;
    const bool repeats = repeating && slot.duration > 0;
    if (end != kNoSlotEnd && left <= 0 && repeats) left = slot.duration - (-left) % slot.duration;
    if (end == kNoSlotEnd || left > std::max(slot.duration, kLongestPlausibleRun)) return false;
    const auto started = static_cast<std::int32_t>(std::max<std::int64_t>(now + left - slot.duration, 0));
    if (left <= 0) {
        if (slot.cooldown <= 0 && !countUp) return false;
        slot.started = started;
        FollowEffectEnd(slot, end, countUp, now);
        return slot.state != Idle;
    }
    slot.started = started;
    slot.state = Running;
    slot.remaining = static_cast<std::int32_t>(left);
    slot.lastTick = now;
    return true;
}

void SaveSlotEnd(SettingsProfile& profile, const TimerSlot* slots, int index, const char* section)
{
    profile.WriteInt(section, EndEntry(index).c_str(), SlotEnd(slots[index]));
}

void SaveSlotEnds(SettingsProfile& profile, const TimerSlot* slots, const char* section)
{
    for (int i = 0; i < kTimerSlotCount; ++i) SaveSlotEnd(profile, slots, i, section);
}

void ClearSlotEnds(SettingsProfile& profile, const char* section)
{
    for (int i = 0; i < kTimerSlotCount; ++i) profile.WriteInt(section, EndEntry(i).c_str(), kNoSlotEnd);
}

void RestoreSlotEnds(SettingsProfile& profile, TimerSlot* slots, std::int32_t now, const char* section,
                     unsigned repeating, unsigned countingUp)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        RunOnFromEnd(slots[i], profile.GetInt(section, EndEntry(i).c_str(), kNoSlotEnd), now,
                     (repeating & (1u << i)) != 0, (countingUp & (1u << i)) != 0);
    }
}
