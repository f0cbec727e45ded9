#include <gtest/gtest.h>

#include <algorithm>

#include "MemoryProfile.h"
#include "bar/BarView.h"
#include "model/WindowSwitches.h"

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

TEST(BarView, WithTheShapeWarningARedBoxIsFramedThickAndItsLastTenSecondsBlinkOut)
{
    const struct {
        std::int32_t remaining, now;
        bool shapeWarning;
        WarningShape shape;
    } rows[] = {
        {55, 1001, true, {true, false}},  {55, 1002, true, {}},  // the red's odd seconds only
        {10, 1001, true, {true, true}},   {11, 1001, true, {true, false}},
        {10, 1001, false, {}},            {61, 1001, true, {}},  // off; not red yet
    };
    for (const auto& row : rows) {
        Slots t;
        t.slots[2] = TimerSlot{0, row.remaining, 600, Running, row.now, ""};
        EXPECT_EQ(MakeBarView(t.slots, row.now, -1, 0, row.shapeWarning).slots[2].shape, row.shape) << &row - rows;
    }
    MemoryProfile profile;
    for (const auto& [stored, on] : {std::pair<MemoryProfile::Value, bool>{1, true}, {0, false}, {2, false},
                                     {std::string("1"), false}}) {
        profile.Set("Option", "ShapeWarning", stored);
        EXPECT_EQ(ReadWindowSwitch(profile, WindowSwitch::ShapeWarning), on);
    }
}
