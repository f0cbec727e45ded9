// What a screen reader reads of the bar: each slot's name and its time as
// shown, in the program's words, and the phase whose change it is told of
// (never a plain second). No Windows here.
#pragma once

#include <cstdint>
#include <string>

#include "model/TimerSlots.h"

// "%1" stands for the time as shown.
struct ReadingWords {
    std::wstring running;     // "실행 중, %1 남음"
    std::wstring warning;     // "경고, %1 남음"
    std::wstring cooling;     // "재사용 대기, %1 남음"
    std::wstring countingUp;  // "끝난 지 %1"
};

// "3: 해독제", or "3" for a slot without a name.
std::wstring SlotReadingName(int slot, const std::wstring& name);
// The time as the bar shows it ("0:01:30"), in the words of the slot's phase.
std::wstring SlotReadingValue(const TimerSlot& slot, const ReadingWords& words);

enum class SlotPhase { Idle, Running, Warning, Cooling, CountingUp };
// Warning: running in its red minutes, whichever the second.
SlotPhase PhaseOfSlot(const TimerSlot& slot);
