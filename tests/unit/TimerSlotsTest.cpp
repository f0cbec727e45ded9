#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "model/TimerSlots.h"

namespace {

TimerSlot Slot(std::int32_t duration, SlotState state = Idle, std::int32_t remaining = 0)
{
    return TimerSlot{0, remaining, duration, state, 0, ""};
}

struct Table {
    TimerSlot slots[kTimerSlotCount];
    Table()
    {
        for (auto& slot : slots) slot = Slot(100);
    }
};

}  // namespace

TEST(TimerSlots, ToggleStartsFromFullDurationAndStopsWithoutPause)
{
    Table t;
    t.slots[2].duration = 240;
    EXPECT_TRUE(ToggleTimerSlot(t.slots, 2, 1000));
    TickTimerSlots(t.slots, 1030);
    EXPECT_EQ(t.slots[2].remaining, 210);
    EXPECT_TRUE(ToggleTimerSlot(t.slots, 2, 1031));
    EXPECT_EQ(t.slots[2].state, Idle);
    EXPECT_EQ(t.slots[2].remaining, 210) << "stopping leaves the remaining time alone";
    EXPECT_TRUE(ToggleTimerSlot(t.slots, 2, 2000));
    EXPECT_EQ(t.slots[2].remaining, 240) << "a restart is from the full duration";
    EXPECT_EQ(t.slots[2].lastTick, 2000);
    // Outside the table nothing changes.
    EXPECT_FALSE(ToggleTimerSlot(t.slots, -1, 5));
    EXPECT_FALSE(ToggleTimerSlot(t.slots, kTimerSlotCount, 5));
    for (int other = 0; other < kTimerSlotCount; ++other) EXPECT_EQ(t.slots[other].state, other == 2 ? Running : Idle);
}

TEST(TimerSlots, TickFollowsTheWallClock)
{
    Table t;
    t.slots[1].duration = 0;
    ToggleTimerSlot(t.slots, 0, 100);
    ToggleTimerSlot(t.slots, 1, 103);
    ToggleTimerSlot(t.slots, 4, 103);
    const struct {
        std::int32_t now, slot0, slot4;
        bool anyRunning;
    } steps[] = {
        {103, 97, 100, true},   // no second passed for slot 4; a zero duration ends at once
        {104, 96, 99, true},    // two slots counted independently
        {200, 0, 3, true},      // a suspended system: the whole gap, ending slot 0
        {190, 0, 13, true},     // the clock set back: the remaining time grows
        {250, 0, -47, true},    // the overshoot is kept
        {251, 0, -47, false},   // nothing runs any more
    };
    for (const auto& step : steps) {
        EXPECT_EQ(TickTimerSlots(t.slots, step.now), step.anyRunning) << step.now;
        EXPECT_EQ(t.slots[0].remaining, step.slot0) << step.now;
        EXPECT_EQ(t.slots[4].remaining, step.slot4) << step.now;
        EXPECT_EQ(t.slots[1].state, Idle);
    }
    EXPECT_EQ(t.slots[0].state, Idle);

    // Clock jumps of years do not overflow.
    t.slots[0].duration = INT_MAX - 5;
    ToggleTimerSlot(t.slots, 0, INT_MAX);
    TickTimerSlots(t.slots, 0);
    EXPECT_EQ(t.slots[0].remaining, INT_MAX);
    EXPECT_EQ(t.slots[0].state, Running);
}

TEST(TimerSlots, TimesShownAndTheirFormat)
{
    EXPECT_EQ(SlotDisplaySeconds(Slot(1800, Idle, 42)), 1800);
    EXPECT_EQ(SlotDisplaySeconds(Slot(1800, Running, 42)), 42);
    const struct {
        std::int32_t seconds;
        const char* shown;
    } rows[] = {{90, " 0:01:30"}, {7200, " 2:00:00"}, {5, " 0:00:05"}, {0, " 0:00:00"},
                {359999, "99:59:59"}, {360000, "100:00:00"}, {INT_MAX, "596523:14:07"}};
    for (const auto& row : rows) EXPECT_EQ(FormatSlotTime(row.seconds), row.shown) << row.seconds;
}

TEST(TimerSlots, WarningInTheLastMinutesInOddSeconds)
{
    const struct {
        TimerSlot slot;
        std::int32_t now;
        bool warns;
    } rows[] = {
        {Slot(1800, Running, 60), 1001, true},   {Slot(1800, Running, 60), 1002, false},  // even: off
        {Slot(1800, Running, 61), 1001, false},  {Slot(1800, Running, 180), 7, false},     // 1800 s: last minute
        {Slot(1801, Running, 180), 7, true},     {Slot(1801, Running, 181), 7, false},     // longer: 3 minutes
        {Slot(30, Idle, 1), 7, false},           {Slot(30, Running, 1), -1, true},          // odd before 1970
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsSlotWarning(row.slot, row.now), row.warns) << row.slot.duration << " " << row.slot.remaining;
    }
}

TEST(TimerSlots, NameNeverRunsPastItsField)
{
    TimerSlot slot{};
    std::memset(slot.name, 'n', sizeof slot.name);
    EXPECT_EQ(SlotName(slot), std::string(kSlotNameSize, 'n'));
}
