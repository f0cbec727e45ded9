#include <gtest/gtest.h>

#include <algorithm>

#include "bar/BarView.h"

namespace {

struct Slots {
    TimerSlot slots[kTimerSlotCount]{};
    Slots()
    {
        for (auto& slot : slots) slot.duration = 600;
    }
};

}  // namespace

TEST(BarView, AnIdleBarLooksTheSameFromSecondToSecond)
{
    Slots t;
    EXPECT_EQ(MakeBarView(t.slots, 1000, -1, 0), MakeBarView(t.slots, 1001, -1, 0));
    EXPECT_NE(MakeBarView(t.slots, 1000, -1, 0), MakeBarView(t.slots, 1000, 3, 0)) << "a name shows";
    EXPECT_NE(MakeBarView(t.slots, 1000, -1, 0), MakeBarView(t.slots, 1000, -1, 1)) << "the pin";
}

TEST(BarView, ARunningSlotChangesOncePerSecondAndFlashesInItsLastMinute)
{
    Slots t;
    ToggleTimerSlot(t.slots, 4, 1000);
    const BarView start = MakeBarView(t.slots, 1000, -1, 0);
    TickTimerSlots(t.slots, 1000);
    EXPECT_EQ(MakeBarView(t.slots, 1000, -1, 0), start) << "ten ticks within one second: one frame";
    TickTimerSlots(t.slots, 1001);
    const BarView next = MakeBarView(t.slots, 1001, -1, 0);
    EXPECT_NE(next, start);
    EXPECT_EQ(next.slots[4].seconds, 599);
    EXPECT_TRUE(next.slots[4].oddSecond);
    EXPECT_FALSE(next.slots[4].warning);

    TickTimerSlots(t.slots, 1545);  // 55 s left, an odd second
    EXPECT_TRUE(MakeBarView(t.slots, 1545, -1, 0).slots[4].warning);
    EXPECT_FALSE(MakeBarView(t.slots, 1545, -1, 0).slots[3].warning);
}

TEST(BarView, TheNextTickFallsJustPastTheNextSecond)
{
    EXPECT_EQ(MillisecondsToNextTick(1'700'000'000'000), 1015);
    EXPECT_EQ(MillisecondsToNextTick(1'700'000'000'999), 16);
    EXPECT_EQ(MillisecondsToNextTick(1'700'000'000'400), 615);
    EXPECT_EQ(MillisecondsToNextTick(-1), 16) << "before 1970: still the next second";
}
