#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "editor/EditorLayout.h"
#include "editor/EditorRules.h"

namespace {

std::int32_t Seconds(int h, int m, int s)
{
    return h * 3600 + m * 60 + s;
}

// What the digit boxes show for duration + offset.
std::string Shown(std::int32_t duration, std::int32_t offset)
{
    const DurationFields f = SplitDuration(std::int64_t{duration} + offset);
    return FormatField(f.hours) + ":" + FormatField(f.minutes) + ":" + FormatField(f.seconds);
}

std::string AfterSpin(Spin spin, std::int32_t total)
{
    return Shown(total, SpinOffset(spin, total, 0));
}

constexpr unsigned Bits(std::initializer_list<unsigned> ids)
{
    unsigned bits = 0;
    for (unsigned id : ids) bits |= 1u << id;
    return bits;
}

}  // namespace

TEST(EditorSpin, EachFieldWrapsByItselfWithoutCarry)
{
    const struct {
        Spin spin;
        std::int32_t total;
        const char* shown;
    } rows[] = {
        {Spin::IncSeconds, Seconds(99, 59, 59), "99:59:00"},
        {Spin::IncMinutes, Seconds(99, 59, 59), "99:00:59"},
        {Spin::IncHours, Seconds(99, 0, 0), "00:00:00"},
        {Spin::IncHours, Seconds(98, 7, 6), "99:07:06"},
        {Spin::DecHours, 0, "99:00:00"},
        {Spin::DecMinutes, 0, "00:59:00"},
        {Spin::DecSeconds, 0, "00:00:59"},
        {Spin::DecMinutes, Seconds(1, 0, 5), "01:59:05"},
        {Spin::None, Seconds(1, 2, 3), "01:02:03"},
        // From stored settings only: 100 hours or more.
        {Spin::IncHours, Seconds(150, 1, 2), "00:01:02"},
        {Spin::DecHours, Seconds(150, 1, 2), "149:01:02"},
    };
    for (const auto& row : rows) EXPECT_EQ(AfterSpin(row.spin, row.total), row.shown) << row.total;
}

TEST(EditorSpin, OffsetAccumulatesOnTheSlotsDurationAndCommitsWithinRange)
{
    EXPECT_EQ(Shown(5400, 0), "01:30:00");
    EXPECT_EQ(Shown(59, 3600), "01:00:59");

    std::int32_t offset = 0;
    for (int i = 0; i < 3; ++i) offset = SpinOffset(Spin::IncHours, 59, offset);
    offset = SpinOffset(Spin::DecSeconds, 59, offset);
    EXPECT_EQ(offset, 3 * 3600 - 1);
    EXPECT_EQ(CommittedDuration(59, offset), Seconds(3, 0, 58));

    // A stored duration near the top of the range neither overflows nor wraps.
    const std::int32_t top = INT_MAX - 100;
    const std::int32_t upped = SpinOffset(Spin::IncSeconds, top, 0);
    EXPECT_EQ(CommittedDuration(top, upped) % 60, (top % 60) + 1);
    EXPECT_EQ(CommittedDuration(top, INT_MAX), INT_MAX);
    EXPECT_EQ(CommittedDuration(INT_MIN, -1), INT_MIN);
}

TEST(EditorPlaces, WhatEachPlaceDoesPerButton)
{
    const struct {
        int place;
        Spin click, leftHeld, rightHeld;
    } rows[] = {
        {HourUp, Spin::IncHours, Spin::IncHours, Spin::None},
        {HourDigits, Spin::None, Spin::IncHours, Spin::DecHours},
        {HourDown, Spin::DecHours, Spin::DecHours, Spin::None},
        {MinuteUp, Spin::IncMinutes, Spin::IncMinutes, Spin::None},
        {MinuteDigits, Spin::None, Spin::IncMinutes, Spin::DecMinutes},
        {MinuteDown, Spin::DecMinutes, Spin::DecMinutes, Spin::None},
        {SecondUp, Spin::IncSeconds, Spin::IncSeconds, Spin::None},
        {SecondDigits, Spin::None, Spin::IncSeconds, Spin::DecSeconds},
        {SecondDown, Spin::DecSeconds, Spin::DecSeconds, Spin::None},
        {CooldownHourUp, Spin::IncHours, Spin::IncHours, Spin::None},  // the cooldown's columns, as the duration's
        {CooldownMinuteDigits, Spin::None, Spin::IncMinutes, Spin::DecMinutes},
        {CooldownSecondDown, Spin::DecSeconds, Spin::DecSeconds, Spin::None},
    };
    const auto spins = [](int place) {
        return std::array{ClickSpin(place), LeftRepeatSpin(place), RightRepeatSpin(place)};
    };
    for (const auto& row : rows) {
        EXPECT_EQ(spins(row.place), (std::array{row.click, row.leftHeld, row.rightHeld})) << row.place;
    }
    // Places that are no time column, and what no place is.
    for (int place : std::initializer_list<int>{kEditorPlaceEnd, HourColon, SpareBox, OkButton, 5, -1}) {
        EXPECT_EQ(spins(place), (std::array{Spin::None, Spin::None, Spin::None})) << place;
    }
}

TEST(EditorPlaces, OneWheelMessageIsOneStepOverATimeColumn)
{
    const struct {
        int place, delta;
        Spin spin;
    } rows[] = {
        {MinuteDigits, 240, Spin::IncMinutes}, {MinuteDigits, 120, Spin::IncMinutes},
        {MinuteDigits, -120, Spin::DecMinutes}, {HourUp, -1, Spin::DecHours},
        {SecondDown, 120, Spin::IncSeconds},   {MinuteDigits, 0, Spin::None},
        {CooldownHourDown, 120, Spin::IncHours}, {CooldownSecondUp, -120, Spin::DecSeconds},
        {HourColon, 120, Spin::None},          {SpareBox, -120, Spin::None},
        {CancelButton, 120, Spin::None},       {0, 120, Spin::None},
        {-1, 120, Spin::None},
    };
    for (const auto& row : rows) EXPECT_EQ(WheelSpin(row.place, row.delta), row.spin) << row.place << " " << row.delta;
}

TEST(EditorHold, DelaysLeadToRepeatsThatEndOnReleaseOrOtherButton)
{
    // A press inside a rectangle arms its own delay and cancels everything else.
    EXPECT_EQ(LeftPressTimers(true), (TimerChange{Bits({TimerLeftDelay}),
                                                  Bits({TimerRightDelay, TimerLeftRepeat, TimerRightRepeat})}));
    EXPECT_EQ(RightPressTimers(true), (TimerChange{Bits({TimerRightDelay}),
                                                   Bits({TimerLeftDelay, TimerLeftRepeat, TimerRightRepeat})}));
    // Outside (a drag for the left button) no timer changes.
    EXPECT_EQ(LeftPressTimers(false), TimerChange{});
    EXPECT_EQ(RightPressTimers(false), TimerChange{});
    // The delay's first tick turns into the 30 ms repeat.
    EXPECT_EQ(TickTimers(TimerLeftDelay, true), (TimerChange{Bits({TimerLeftRepeat}), Bits({TimerLeftDelay})}));
    EXPECT_EQ(TickTimers(TimerRightDelay, false), (TimerChange{Bits({TimerRightRepeat}), Bits({TimerRightDelay})}));
    // A repeat lives while its press point lies in a rectangle.
    EXPECT_EQ(TickTimers(TimerLeftRepeat, true), TimerChange{});
    EXPECT_EQ(TickTimers(TimerLeftRepeat, false), (TimerChange{0, Bits({TimerLeftRepeat})}));
    EXPECT_EQ(TickTimers(TimerRightRepeat, false), (TimerChange{0, Bits({TimerRightRepeat})}));
    EXPECT_EQ(TickTimers(7, false), TimerChange{});
    // Releases stop their own button's timers; the end of a drag stops none.
    EXPECT_EQ(LeftReleaseTimers(false), (TimerChange{0, Bits({TimerLeftDelay, TimerLeftRepeat})}));
    EXPECT_EQ(LeftReleaseTimers(true), TimerChange{});
    EXPECT_EQ(RightReleaseTimers(), (TimerChange{0, Bits({TimerRightDelay, TimerRightRepeat})}));
}

TEST(EditorLayout, RectanglesAreStrictAndTheNameBoxClearsTheControls)
{
    EXPECT_EQ(FindHitRect(EditorHitRects, kEditorHitRectCount, 89, 148), -1);  // shared border
    EXPECT_EQ(FindHitRect(EditorHitRects, kEditorHitRectCount, 89, 147), HourUp);
    EXPECT_EQ(FindHitRect(EditorHitRects, kEditorHitRectCount, 89, 149), HourDigits);
    EXPECT_EQ(FindHitRect(EditorHitRects, kEditorHitRectCount, 210, 50), 5);
    EXPECT_EQ(FindHitRect(EditorHitRects, kEditorHitRectCount, 60, 90), 13);
    EXPECT_EQ(FindHitRect(EditorHitRects, kEditorHitRectCount, 401, 187), CancelButton);
    // The cooldown's columns, right of Cancel, each place found once; the gaps between them none.
    EXPECT_EQ(EditorPlaceAt(401, 187), CancelButton);
    EXPECT_EQ(EditorPlaceAt(441, 139), CooldownMinuteUp);
    EXPECT_EQ(EditorPlaceAt(441, 160), CooldownMinuteDigits);
    EXPECT_EQ(EditorPlaceAt(464, 180), CooldownSecondDown);
    EXPECT_EQ(EditorPlaceAt(429, 160), -1);
    for (int place = 0; place < kEditorPlaceEnd; ++place) {
        const HitRect& rect = EditorPlaceRect(place);
        EXPECT_EQ(EditorPlaceAt(rect.left + 1, rect.top + 1), place);
        EXPECT_LE(rect.right, 477) << "inside the frame";
    }

    // The name box lies right of the time columns and above the buttons,
    // inside the window and over no hit rectangle.
    const PixelRect box = NameBoxRect();
    EXPECT_EQ(box, (PixelRect{231, 126, 362, 149}));
    for (const HitRect& rect : EditorHitRects) {
        const bool apart = box.right <= rect.left || rect.right <= box.left || box.bottom <= rect.top ||
                           rect.bottom <= box.top;
        EXPECT_TRUE(apart) << rect.left << "," << rect.top;
    }
}
