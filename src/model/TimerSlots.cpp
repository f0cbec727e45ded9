#include "model/TimerSlots.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "model/Int32.h"

#define TAVORIN_BUILT_IN_SLOTS                                                              \
    {0, 0, 1800, Idle, 0, ""}, {14, 0, 1200, Idle, 0, ""}, {3, 0, 240, Idle, 0, ""},        \
        {4, 0, 240, Idle, 0, ""}, {6, 0, 90, Idle, 0, ""}, {11, 0, 1200, Idle, 0, ""},      \
        {12, 0, 1200, Idle, 0, ""}, {21, 0, 3600, Idle, 0, ""}, { 22, 0, 7200, Idle, 0, "" }

const TimerSlot g_timerSlotDefaults[kTimerSlotCount] = {TAVORIN_BUILT_IN_SLOTS};
TimerSlot g_timerSlots[kTimerSlotCount] = {TAVORIN_BUILT_IN_SLOTS};

std::int32_t CurrentSlotTime()
{
    return static_cast<std::int32_t>(std::time(nullptr));
}

bool TickTimerSlots(TimerSlot* slots, std::int32_t now, unsigned* ended)
{
    bool anyRunning = false;
    if (ended) *ended = 0;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        TimerSlot& slot = slots[i];
        if (slot.state != Running) continue;
        slot.remaining = ClampToInt32(std::int64_t{slot.remaining} + slot.lastTick - now);
        slot.lastTick = now;
        if (slot.remaining <= 0) {
            slot.state = Idle;
            if (ended) *ended |= 1u << i;
        }
        anyRunning = true;
    }
    return anyRunning;
}

bool TickTimerSlots(std::int32_t now, unsigned* ended)
{
    return TickTimerSlots(g_timerSlots, now, ended);
}

bool ToggleTimerSlot(TimerSlot* slots, int index, std::int32_t now)
{
    if (index < 0 || index >= kTimerSlotCount) return false;
    TimerSlot& slot = slots[index];
    if (slot.state != Idle) {
        slot.state = Idle;  // no pause: the next start is from the full duration
    } else {
        slot.state = Running;
        slot.remaining = slot.duration;
        slot.lastTick = now;
        slot.started = now;
    }
    return true;
}

bool ToggleTimerSlot(int index, std::int32_t now)
{
    return ToggleTimerSlot(g_timerSlots, index, now);
}

std::string SlotName(const TimerSlot& slot)
{
    const void* end = std::memchr(slot.name, '\0', kSlotNameSize);
    const std::size_t length = end ? static_cast<const char*>(end) - slot.name : kSlotNameSize;
    return std::string(slot.name, length);
}

std::int32_t SlotDisplaySeconds(const TimerSlot& slot)
{
    return slot.state == Idle ? slot.duration : slot.remaining;
}

std::string FormatSlotTime(std::int32_t seconds)
{
    char text[40];
    std::snprintf(text, sizeof text, "%2d:%02d:%02d", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds % 3600 / 60), static_cast<int>(seconds % 60));
    return text;
}

std::wstring SlotTimeWords(std::int32_t seconds)
{
    const std::string shown = FormatSlotTime(seconds);
    return std::wstring(shown.begin() + static_cast<std::ptrdiff_t>(shown.find_first_not_of(' ')), shown.end());
}

std::string SlotTimeText(const TimerSlot& slot)
{
    const std::string text = FormatSlotTime(SlotDisplaySeconds(slot));
    // Under ten hours the hours' column is a space: the "+" takes it.
    if (slot.state != CountingUp) return text;
    return text[0] == ' ' ? "+" + text.substr(1) : "+" + text;
}

bool IsSlotAfterEffect(const TimerSlot& slot)
{
    return slot.state == Cooling || slot.state == CountingUp;
}

std::int32_t SlotWarningLimit(const TimerSlot& slot)
{
    return slot.duration > 1800 ? 180 : 60;
}

bool IsSlotWarning(const TimerSlot& slot, std::int32_t now)
{
    return slot.state == Running && now % 2 != 0 && slot.remaining <= SlotWarningLimit(slot);
}
