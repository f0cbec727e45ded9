// A warning a colour-blind player sees: with the shape warning on, a slot in
// its red phase also shows it by shape, in the same odd seconds as the red:
// its box's frame thicker, and in its last ten seconds its digits blinking
// out. No Windows here.
#pragma once

#include <cstdint>

#include "model/TimerSlots.h"

constexpr std::int32_t kDigitsBlinkSeconds = 10;

struct WarningShape {
    bool thickFrame = false;
    bool digitsOut = false;
    bool operator==(const WarningShape& other) const
    {
        return thickFrame == other.thickFrame && digitsOut == other.digitsOut;
    }
};
WarningShape SlotWarningShape(const TimerSlot& slot, std::int32_t now, bool shapeWarning);
