#include "bar/BarView.h"

BarView MakeBarView(const TimerSlot* slots, std::int32_t now, int hover, int pin, bool shapeWarning)
{
    BarView view{};
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const TimerSlot& slot = slots[i];
        const bool running = slot.state == Running;
        view.slots[i] = {SlotDisplaySeconds(slot), running, running && now % 2 != 0, IsSlotWarning(slot, now),
                         SlotWarningShape(slot, now, shapeWarning), IsSlotAfterEffect(slot)};
    }
    view.hover = hover;
    view.pin = pin;
    return view;
}

std::int32_t MillisecondsToNextTick(std::int64_t epochMilliseconds)
{
    // A little past the second, so that the clock has surely turned.
    constexpr std::int32_t kSlack = 15;
    const std::int64_t intoSecond = ((epochMilliseconds % 1000) + 1000) % 1000;
    return static_cast<std::int32_t>(1000 - intoSecond) + kSlack;
}
