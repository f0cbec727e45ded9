#include <gtest/gtest.h>

#include "model/Alerts.h"
#include "model/SlotEnds.h"

namespace {

constexpr std::int32_t kStart = 1'800'000'000;

// Slot 0 started at kStart: a 2 s effect, then what it is set to.
TimerSlot Started(std::int32_t duration, std::int32_t cooldown)
{
    TimerSlot slots[kTimerSlotCount] = {};
    slots[0].duration = duration;
    slots[0].cooldown = cooldown;
    ToggleTimerSlot(slots, 0, kStart);
    return slots[0];
}

}  // namespace

TEST(SlotPhases, TheEffectThenTheRestOfTheCooldownThenReadyOrACountPastTheEnd)
{
    const struct {
        std::int32_t duration, cooldown;
        bool countUp, repeat;
        std::vector<std::int32_t> ticks;  // seconds after the start
        SlotState state;                  // after the last tick
        std::string shown;
        unsigned ended, ready;            // cues of the last tick
    } rows[] = {
        {2, 5, false, false, {1}, Running, " 0:00:01", 0, 0},
        {2, 5, false, false, {1, 2}, Cooling, " 0:00:03", 1, 0},  // the cooldown runs from the start
        {2, 5, false, false, {1, 2, 4}, Cooling, " 0:00:01", 0, 0},
        {2, 5, false, false, {1, 2, 4, 5}, Idle, " 0:00:02", 0, 1},
        {2, 5, false, false, {9}, Idle, " 0:00:02", 1, 0},  // a late tick: ready already, no second cue
        {5, 2, false, false, {4, 5}, Idle, " 0:00:05", 1, 0},  // a shorter cooldown shows nothing of itself
        {5, 5, false, false, {5}, Idle, " 0:00:05", 1, 0},
        {2, 0, true, false, {2}, CountingUp, "+0:00:00", 1, 0},
        {2, 0, true, false, {2, 14}, CountingUp, "+0:00:12", 0, 0},
        {2, 0, true, false, {2, 2 + kLongestCountUp - 1}, CountingUp, "+9:59:59", 0, 0},
        {2, 0, true, false, {2, 2 + kLongestCountUp}, Idle, " 0:00:02", 0, 0},  // ten hours at the most
        {2, 5, true, false, {2, 5}, CountingUp, "+0:00:03", 0, 1},  // ready, and counting since the end
        {2, 0, true, true, {2}, Running, " 0:00:02", 1, 0},  // a repeating slot never counts up
        {2, 5, false, true, {2}, Running, " 0:00:02", 1, 0},
    };
    for (const auto& row : rows) {
        TimerSlot slots[kTimerSlotCount] = {};
        slots[0] = Started(row.duration, row.cooldown);
        SlotAlerts alerts = DefaultSlotAlerts();
        alerts.countUp[0] = row.countUp;
        alerts.repeat[0] = row.repeat;
        SlotTickCues cues;
        for (std::int32_t tick : row.ticks) cues = TickSlotsWithAlerts(slots, alerts, kStart + tick);
        const std::string trace = std::to_string(&row - rows);
        EXPECT_EQ(slots[0].state, row.state) << trace;
        EXPECT_EQ(SlotTimeText(slots[0]), row.shown) << trace;
        EXPECT_EQ(std::make_pair(cues.ended, cues.ready), std::make_pair(row.ended, row.ready)) << trace;
    }
}

TEST(SlotPhases, AKeptEndBringsBackEachPhaseWhereItWasAndAStopLeavesNone)
{
    const struct {
        std::int32_t cooldown;
        bool countUp;
        std::int32_t after;  // seconds after the start when the program starts again
        SlotState state;
        std::int32_t shown;
    } rows[] = {
        {5, false, 1, Running, 1},
        {5, false, 3, Cooling, 2},
        {5, false, 5, Idle, 2},
        {0, true, 30, CountingUp, 28},
        {5, true, 4, Cooling, 1},
        {5, true, 6, CountingUp, 4},
        {0, true, 2 + kLongestCountUp, Idle, 2},
    };
    for (const auto& row : rows) {
        TimerSlot slot = Started(2, row.cooldown);
        const std::int32_t end = SlotEnd(slot);
        SlotAlerts alerts = DefaultSlotAlerts();
        alerts.countUp[0] = row.countUp;
        TimerSlot ticked[kTimerSlotCount] = {slot};
        TickSlotsWithAlerts(ticked, alerts, kStart + 2);
        EXPECT_EQ(SlotEnd(ticked[0]), end) << "the effect's end is kept after it";

        TimerSlot restored = Started(2, row.cooldown);
        restored.state = Idle;
        RunOnFromEnd(restored, end, kStart + row.after, false, row.countUp);
        EXPECT_EQ(restored.state, row.state) << row.after;
        EXPECT_EQ(SlotDisplaySeconds(restored), row.shown) << row.after;

        ToggleTimerSlot(ticked, 0, kStart + 3);
        EXPECT_EQ(std::make_pair(ticked[0].state, SlotEnd(ticked[0])), std::make_pair(std::int32_t{Idle}, kNoSlotEnd))
            << "a stop ends it all";
    }
}
