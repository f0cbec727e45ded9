// The nine timer slots: the program's whole working data, with the countdown,
// the start/stop toggle and the warning rule. No window code here.
#pragma once

#include <cstdint>
#include <string>

enum SlotState : std::int32_t {
    Idle = 0,
    Running = 1,
    // After the effect: the rest of the cooldown (remaining counts down to
    // "ready"), or the time since the end (remaining counts up).
    Cooling = 2,
    CountingUp = 3,
};

constexpr int kTimerSlotCount = 9;
constexpr int kSlotNameSize = 24;  // bytes, terminating NUL included

struct TimerSlot {
    std::int32_t icon;       // icon code, or a catalogue index below 24 (legacy)
    std::int32_t remaining;  // seconds left while Running
    std::int32_t duration;   // full time in seconds, shown while Idle
    std::int32_t state;      // SlotState
    std::int32_t lastTick;   // wall-clock second up to which remaining is counted
    char name[kSlotNameSize];  // ANSI code page text, NUL-terminated
    std::int32_t cooldown = 0;  // seconds from a start until it can start again; 0 none
    std::int32_t started = 0;   // wall-clock second of the last start
    std::int32_t ended = 0;     // wall-clock second its effect ended (Cooling, CountingUp)
};

extern TimerSlot g_timerSlots[kTimerSlotCount];
// The slots as they are built in, before anything is read.
extern const TimerSlot g_timerSlotDefaults[kTimerSlotCount];

// Wall-clock time in whole seconds, read once per handled message.
std::int32_t CurrentSlotTime();

// The longest a slot counts past its end: ten hours.
constexpr std::int32_t kLongestCountUp = 10 * 3600;

// Counts the running slots down to `now`; true while any ran. `ended`, when
// given, gets one bit per slot (bit i for slot i) that reached zero in this tick.
bool TickTimerSlots(TimerSlot* slots, std::int32_t now, unsigned* ended = nullptr);
bool TickTimerSlots(std::int32_t now, unsigned* ended = nullptr);
// Starts an idle slot; stops one that shows moving time (running, cooling or
// counting up), which leaves it idle.
bool ToggleTimerSlot(TimerSlot* slots, int index, std::int32_t now);
bool ToggleTimerSlot(int index, std::int32_t now);
// The slot's name up to its terminator (never past the field).
std::string SlotName(const TimerSlot& slot);

std::int32_t SlotDisplaySeconds(const TimerSlot& slot);
std::string FormatSlotTime(std::int32_t seconds);
// The same time as it is read or said: no space before a one-digit hour.
std::wstring SlotTimeWords(std::int32_t seconds);
// The bar's text: the time, "+" before a count past the end.
std::string SlotTimeText(const TimerSlot& slot);
// Shown in the second look: greyed digits, a dimmed icon.
bool IsSlotAfterEffect(const TimerSlot& slot);
// The red phase: the last minute, the last three of a timer over half an hour.
std::int32_t SlotWarningLimit(const TimerSlot& slot);
bool IsSlotWarning(const TimerSlot& slot, std::int32_t now);
