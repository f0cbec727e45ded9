// What the editor's buttons, holds and wheel do to the duration or the
// cooldown being edited (the same steps; the place says which):
// the six spin steps and which place gives which step. No window code here.
#pragma once

#include <cstdint>
#include <string>

enum class Spin { None, IncHours, IncMinutes, IncSeconds, DecHours, DecMinutes, DecSeconds };

// Hours, minutes and seconds of a total in seconds, truncated toward zero.
struct DurationFields {
    std::int64_t hours;
    std::int64_t minutes;
    std::int64_t seconds;
};
DurationFields SplitDuration(std::int64_t total);

// The pending offset after one step on duration + offset. Each field wraps by
// itself (hours 0-99, minutes and seconds 0-59); nothing carries between them.
std::int32_t SpinOffset(Spin spin, std::int32_t duration, std::int32_t offset);

// The duration a commit stores: duration + offset, kept within 32 bits.
std::int32_t CommittedDuration(std::int32_t duration, std::int32_t offset);

// A field as the digit boxes show it: at least two digits.
std::string FormatField(std::int64_t value);

// The step of a left click released on a place (the arrows only).
Spin ClickSpin(int place);
// The step of each repeat while the left or right button is held on a place.
Spin LeftRepeatSpin(int place);
Spin RightRepeatSpin(int place);
// The step of one wheel message over a place: any delta above 0 is one step
// up, below 0 one step down, over the time columns only.
Spin WheelSpin(int place, int delta);

// The editor's four hold timers, by id.
enum EditorTimer : unsigned {
    TimerLeftDelay = 0,
    TimerRightDelay = 1,
    TimerLeftRepeat = 2,
    TimerRightRepeat = 3,
};
constexpr unsigned kHoldDelayMs = 700;
constexpr unsigned kRepeatMs = 30;

// Timers to start and stop, as bit masks with bit n for timer n.
struct TimerChange {
    unsigned start = 0;
    unsigned stop = 0;
    bool operator==(const TimerChange& other) const { return start == other.start && stop == other.stop; }
};
TimerChange LeftPressTimers(bool pressInside);
TimerChange LeftReleaseTimers(bool endedDrag);
TimerChange RightPressTimers(bool pressInside);
TimerChange RightReleaseTimers();
TimerChange TickTimers(unsigned timerId, bool pressInside);
// The mouse is no longer the editor's (its capture went elsewhere): every hold stops.
TimerChange MouseLostTimers();
