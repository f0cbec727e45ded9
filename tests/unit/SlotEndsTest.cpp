#include <gtest/gtest.h>

#include <climits>

#include "MemoryProfile.h"
#include "model/PlayOptions.h"
#include "model/SlotEnds.h"

TEST(SlotEnds, AStoredEndRunsOnOnlyWhenItLiesAheadWithinAPlausibleRun)
{
    const std::int32_t now = 1'800'000'000;
    const struct {
        std::int32_t duration, end, remaining;  // remaining 0: stays idle
    } rows[] = {
        {600, now + 250, 250},              // the future: runs on from where it is
        {600, now, 0},                      // reached zero this second
        {600, now - 5, 0},                  // the past
        {600, kNoSlotEnd, 0},               // absent
        {600, now + 359999, 359999},        // up to the longest time the editor sets
        {600, now + 360000, 0},             // beyond it: damage, not a timer
        {400'000, now + 400'000, 400'000},  // unless the slot's own duration is longer
        {600, INT_MAX, 0},                  // years away
        {600, -7, 0},
    };
    for (const auto& row : rows) {
        TimerSlot slot{0, 0, row.duration, Idle, 0, ""};
        EXPECT_EQ(RunOnFromEnd(slot, row.end, now), row.remaining != 0) << row.end;
        EXPECT_EQ(slot.state, row.remaining != 0 ? Running : Idle) << row.end;
        EXPECT_EQ(slot.remaining, row.remaining) << row.end;
    }
}

TEST(SlotEnds, RunningSlotsStoreTheirEndsAndRunOnFromThem)
{
    TimerSlot slots[kTimerSlotCount];
    for (auto& slot : slots) slot = TimerSlot{0, 0, 300, Idle, 0, ""};
    ToggleTimerSlot(slots, 2, 1000);
    TickTimerSlots(slots, 1100);
    slots[4] = TimerSlot{0, INT_MAX, 300, Running, INT_MAX, ""};  // an end past the 32-bit clock
    MemoryProfile profile;
    SaveSlotEnds(profile, slots);
    EXPECT_EQ(std::get<std::int32_t>(*profile.Find("Save", "End#2")), 1300);
    EXPECT_EQ(std::get<std::int32_t>(*profile.Find("Save", "End#4")), kNoSlotEnd);
    EXPECT_EQ(std::get<std::int32_t>(*profile.Find("Save", "End#8")), kNoSlotEnd);
    profile.Set("Save", "End#5", std::string("1200"));  // another type: absent

    TimerSlot restored[kTimerSlotCount];
    for (auto& slot : restored) slot = TimerSlot{0, 0, 300, Idle, 0, ""};
    RestoreSlotEnds(profile, restored, 1200);
    for (int i = 0; i < kTimerSlotCount; ++i) EXPECT_EQ(restored[i].remaining, i == 2 ? 100 : 0) << i;
    ClearSlotEnds(profile);
    EXPECT_EQ(std::get<std::int32_t>(*profile.Find("Save", "End#2")), kNoSlotEnd);
}

TEST(SlotEnds, ATickReportsEachSlotThatReachedZeroOnce)
{
    TimerSlot slots[kTimerSlotCount];
    for (auto& slot : slots) slot = TimerSlot{0, 0, 10, Idle, 0, ""};
    slots[7].duration = 20;
    for (int i : {1, 4, 7}) ToggleTimerSlot(slots, i, 100);
    // {now, slots ended}: two at once, none again, one whose end passed during sleep.
    for (const auto& [now, ended] : {std::pair{105, 0u}, {110, 0x12u}, {111, 0u}, {500, 0x80u}}) {
        unsigned reported = 99;
        TickTimerSlots(slots, now, &reported);
        EXPECT_EQ(reported, ended) << now;
    }
}

TEST(PlayOptions, OnlyAStoredOneTurnsAChoiceOn)
{
    MemoryProfile profile;
    EXPECT_FALSE(ReadPlayOption(profile, TriggersEverywhere)) << "off by default";
    for (const auto& [stored, on] : {std::pair<MemoryProfile::Value, bool>{1, true}, {2, false}, {-1, false},
                                     {std::string("1"), false}, {0, false}}) {
        profile.Set("Option", "ExpirySound", stored);
        EXPECT_EQ(ReadPlayOption(profile, ExpirySound), on);
    }
}
