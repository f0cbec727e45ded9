// What the bar shows at a given moment, reduced to what can change between
// two ticks: the bar repaints only when this differs from its last frame.
#pragma once

#include <array>
#include <cstdint>

#include "model/TimerSlots.h"
#include "model/WarningShape.h"

struct BarSlotView {
    std::int32_t seconds;  // the time shown
    bool running;
    bool oddSecond;  // a running icon's jump phase
    bool warning;    // the red box of the last minutes
    WarningShape shape;  // and its shape, where the player wants one
    bool afterEffect;    // cooling or counting past its end: greyed
    bool operator==(const BarSlotView& other) const
    {
        return seconds == other.seconds && running == other.running && oddSecond == other.oddSecond &&
               warning == other.warning && shape == other.shape && afterEffect == other.afterEffect;
    }
};

struct BarView {
    std::array<BarSlotView, kTimerSlotCount> slots;
    int hover;  // hit rectangle under the pointer, whose name shows
    int pin;    // always on top
    bool operator==(const BarView& other) const
    {
        return slots == other.slots && hover == other.hover && pin == other.pin;
    }
    bool operator!=(const BarView& other) const { return !(*this == other); }
};

BarView MakeBarView(const TimerSlot* slots, std::int32_t now, int hover, int pin, bool shapeWarning = false);

// What the bar shows changes only as the wall clock passes a whole second:
// the delay from `epochMilliseconds` to the bar's next tick, just past the
// next second (15 ms to 1,015 ms).
std::int32_t MillisecondsToNextTick(std::int64_t epochMilliseconds);
