#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "model/TimerSlots.h"

namespace {

TimerSlot IdleSlot(std::int32_t duration)
{
    TimerSlot slot{};
    slot.duration = duration;
    slot.state = Idle;
    return slot;
}

struct Table {
    TimerSlot slots[kTimerSlotCount];
    Table()
    {
        for (auto& slot : slots) slot = IdleSlot(100);
    }
};

}  // namespace

TEST(TimerSlots, ToggleStartsFromFullDurationAndStopsWithoutPause)
{
    Table t;
    t.slots[2].duration = 240;
    EXPECT_TRUE(ToggleTimerSlot(t.slots, 2, 1000));
    EXPECT_EQ(t.slots[2].state, Running);
    EXPECT_EQ(t.slots[2].remaining, 240);
    EXPECT_EQ(t.slots[2].lastTick, 1000);

    TickTimerSlots(t.slots, 1030);
    EXPECT_EQ(t.slots[2].remaining, 210);
    EXPECT_TRUE(ToggleTimerSlot(t.slots, 2, 1031));
    EXPECT_EQ(t.slots[2].state, Idle);
    EXPECT_EQ(t.slots[2].remaining, 210) << "stopping leaves the remaining time alone";
    EXPECT_EQ(t.slots[2].lastTick, 1030);

    EXPECT_TRUE(ToggleTimerSlot(t.slots, 2, 2000));
    EXPECT_EQ(t.slots[2].remaining, 240) << "a restart is from the full duration";
    for (int other = 0; other < kTimerSlotCount; ++other) {
        if (other != 2) {
            EXPECT_EQ(t.slots[other].state, Idle);
        }
    }
}

TEST(TimerSlots, ToggleOutsideTheTableChangesNothing)
{
    Table t;
    EXPECT_FALSE(ToggleTimerSlot(t.slots, -1, 5));
    EXPECT_FALSE(ToggleTimerSlot(t.slots, kTimerSlotCount, 5));
    for (const auto& slot : t.slots) EXPECT_EQ(slot.state, Idle);
}

TEST(TimerSlots, TickFollowsTheWallClock)
{
    Table t;
    ToggleTimerSlot(t.slots, 0, 100);
    ToggleTimerSlot(t.slots, 4, 103);

    // No second has passed: still reported as running, nothing counted.
    EXPECT_TRUE(TickTimerSlots(t.slots, 103));
    EXPECT_EQ(t.slots[0].remaining, 97);
    EXPECT_EQ(t.slots[4].remaining, 100);

    // Two slots counted independently in one tick.
    EXPECT_TRUE(TickTimerSlots(t.slots, 104));
    EXPECT_EQ(t.slots[0].remaining, 96);
    EXPECT_EQ(t.slots[4].remaining, 99);

    // A suspended system: the whole gap at once, ending slot 0 in that tick.
    EXPECT_TRUE(TickTimerSlots(t.slots, 200));
    EXPECT_EQ(t.slots[0].state, Idle);
    EXPECT_EQ(t.slots[0].remaining, 0);
    EXPECT_EQ(t.slots[4].remaining, 3);

    // The clock set back: the remaining time grows by the step.
    EXPECT_TRUE(TickTimerSlots(t.slots, 190));
    EXPECT_EQ(t.slots[4].remaining, 13);

    EXPECT_TRUE(TickTimerSlots(t.slots, 250));
    EXPECT_EQ(t.slots[4].state, Idle);
    EXPECT_EQ(t.slots[4].remaining, -47) << "the overshoot is kept";
    EXPECT_FALSE(TickTimerSlots(t.slots, 251)) << "nothing runs any more";
}

TEST(TimerSlots, ZeroDurationEndsAtTheNextTick)
{
    Table t;
    t.slots[1].duration = 0;
    ToggleTimerSlot(t.slots, 1, 500);
    EXPECT_EQ(t.slots[1].state, Running);
    EXPECT_TRUE(TickTimerSlots(t.slots, 500));
    EXPECT_EQ(t.slots[1].state, Idle);
}

TEST(TimerSlots, ClockJumpsOfYearsDoNotOverflow)
{
    Table t;
    t.slots[0].duration = INT_MAX - 5;
    ToggleTimerSlot(t.slots, 0, INT_MAX);
    TickTimerSlots(t.slots, 0);
    EXPECT_EQ(t.slots[0].remaining, INT_MAX);
    EXPECT_EQ(t.slots[0].state, Running);
}

TEST(TimerSlots, DisplaySecondsAndFormat)
{
    TimerSlot slot = IdleSlot(1800);
    slot.remaining = 42;
    EXPECT_EQ(SlotDisplaySeconds(slot), 1800);
    slot.state = Running;
    EXPECT_EQ(SlotDisplaySeconds(slot), 42);

    EXPECT_EQ(FormatSlotTime(90), " 0:01:30");
    EXPECT_EQ(FormatSlotTime(7200), " 2:00:00");
    EXPECT_EQ(FormatSlotTime(1800), " 0:30:00");
    EXPECT_EQ(FormatSlotTime(5), " 0:00:05");
    EXPECT_EQ(FormatSlotTime(99 * 3600 + 59 * 60 + 59), "99:59:59");
    EXPECT_EQ(FormatSlotTime(100 * 3600), "100:00:00");
    EXPECT_EQ(FormatSlotTime(0), " 0:00:00");
    EXPECT_EQ(FormatSlotTime(INT_MAX), "596523:14:07");
}

TEST(TimerSlots, WarningLimitsAndOddSeconds)
{
    TimerSlot shortSlot = IdleSlot(1800);
    shortSlot.state = Running;
    shortSlot.remaining = 60;
    EXPECT_TRUE(IsSlotWarning(shortSlot, 1001));
    EXPECT_FALSE(IsSlotWarning(shortSlot, 1002)) << "off in even seconds";
    shortSlot.remaining = 61;
    EXPECT_FALSE(IsSlotWarning(shortSlot, 1001));

    TimerSlot longSlot = IdleSlot(1801);
    longSlot.state = Running;
    longSlot.remaining = 180;
    EXPECT_TRUE(IsSlotWarning(longSlot, 7));
    longSlot.remaining = 181;
    EXPECT_FALSE(IsSlotWarning(longSlot, 7));
    longSlot.duration = 1800;
    longSlot.remaining = 180;
    EXPECT_FALSE(IsSlotWarning(longSlot, 7)) << "1800 s warns only in the last minute";

    TimerSlot idle = IdleSlot(30);
    idle.remaining = 1;
    EXPECT_FALSE(IsSlotWarning(idle, 7)) << "an idle slot never warns";
    EXPECT_TRUE(IsSlotWarning(TimerSlot{0, 1, 30, Running, 0, ""}, -1)) << "odd before 1970 too";
}

TEST(TimerSlots, NameNeverRunsPastItsField)
{
    TimerSlot slot{};
    std::memset(slot.name, 'n', sizeof slot.name);
    EXPECT_EQ(SlotName(slot), std::string(kSlotNameSize, 'n'));
    std::strcpy(slot.name, "hp");
    EXPECT_EQ(SlotName(slot), "hp");
}
