#include "editor/EditorRules.h"

#include <cinttypes>
#include <cstdio>

#include "editor/EditorLayout.h"
#include "model/Int32.h"

namespace {

constexpr std::int64_t kMaxHours = 99;
constexpr std::int64_t kMaxMinutes = 59;
constexpr std::int64_t kMaxSeconds = 59;

constexpr unsigned Bit(unsigned timerId)
{
    return 1u << timerId;
}

// The column of a time place: 0 hours, 1 minutes, 2 seconds, -1 none.
int ColumnOf(int place)
{
    if (IsCooldownPlace(place)) return (place - CooldownHourUp) / 3;
    switch (place) {
    case HourUp: case HourDigits: case HourDown: return 0;
    case MinuteUp: case MinuteDigits: case MinuteDown: return 1;
    case SecondUp: case SecondDigits: case SecondDown: return 2;
    default: return -1;
    }
}

constexpr Spin kUp[] = {Spin::IncHours, Spin::IncMinutes, Spin::IncSeconds};
constexpr Spin kDown[] = {Spin::DecHours, Spin::DecMinutes, Spin::DecSeconds};

// Of a column, 0 the up arrow, 1 the digits, 2 the down arrow; -1 elsewhere.
int RowOf(int place)
{
    if (IsCooldownPlace(place)) return (place - CooldownHourUp) % 3;
    switch (place) {
    case HourUp: case MinuteUp: case SecondUp: return 0;
    case HourDigits: case MinuteDigits: case SecondDigits: return 1;
    case HourDown: case MinuteDown: case SecondDown: return 2;
    default: return -1;
    }
}

}  // namespace

DurationFields SplitDuration(std::int64_t total)
{
    return {total / 3600, (total / 60) % 60, total % 60};
}

std::int32_t SpinOffset(Spin spin, std::int32_t duration, std::int32_t offset)
{
    const DurationFields fields = SplitDuration(std::int64_t{duration} + offset);
    std::int64_t next = offset;
    switch (spin) {
    case Spin::IncHours: next += fields.hours < kMaxHours ? 3600 : -fields.hours * 3600; break;
    case Spin::IncMinutes: next += fields.minutes < kMaxMinutes ? 60 : -fields.minutes * 60; break;
    case Spin::IncSeconds: next += fields.seconds < kMaxSeconds ? 1 : -fields.seconds; break;
    case Spin::DecHours: next += fields.hours > 0 ? -3600 : kMaxHours * 3600; break;
    case Spin::DecMinutes: next += fields.minutes > 0 ? -60 : kMaxMinutes * 60; break;
    case Spin::DecSeconds: next += fields.seconds > 0 ? -1 : kMaxSeconds; break;
    case Spin::None: break;
    }
    return ClampToInt32(next);
}

std::int32_t CommittedDuration(std::int32_t duration, std::int32_t offset)
{
    return ClampToInt32(std::int64_t{duration} + offset);
}

std::string FormatField(std::int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02" PRId64, value);
    return text;
}

Spin ClickSpin(int place)
{
    switch (RowOf(place)) {
    case 0: return kUp[ColumnOf(place)];
    case 2: return kDown[ColumnOf(place)];
    default: return Spin::None;
    }
}

Spin LeftRepeatSpin(int place)
{
    // A held digit box counts up like its up arrow.
    if (RowOf(place) == 1) return kUp[ColumnOf(place)];
    return ClickSpin(place);
}

Spin RightRepeatSpin(int place)
{
    if (RowOf(place) == 1) return kDown[ColumnOf(place)];
    return Spin::None;
}

Spin WheelSpin(int place, int delta)
{
    const int column = ColumnOf(place);
    if (column < 0 || delta == 0) return Spin::None;
    return delta > 0 ? kUp[column] : kDown[column];
}

TimerChange LeftPressTimers(bool pressInside)
{
    if (!pressInside) return {};
    return {Bit(TimerLeftDelay), Bit(TimerRightDelay) | Bit(TimerLeftRepeat) | Bit(TimerRightRepeat)};
}

TimerChange LeftReleaseTimers(bool endedDrag)
{
    if (endedDrag) return {};
    return {0, Bit(TimerLeftDelay) | Bit(TimerLeftRepeat)};
}

TimerChange RightPressTimers(bool pressInside)
{
    if (!pressInside) return {};
    return {Bit(TimerRightDelay), Bit(TimerLeftDelay) | Bit(TimerLeftRepeat) | Bit(TimerRightRepeat)};
}

TimerChange RightReleaseTimers()
{
    return {0, Bit(TimerRightDelay) | Bit(TimerRightRepeat)};
}

TimerChange MouseLostTimers()
{
    return {0, Bit(TimerLeftDelay) | Bit(TimerRightDelay) | Bit(TimerLeftRepeat) | Bit(TimerRightRepeat)};
}

TimerChange TickTimers(unsigned timerId, bool pressInside)
{
    switch (timerId) {
    case TimerLeftDelay: return {Bit(TimerLeftRepeat), Bit(TimerLeftDelay)};
    case TimerRightDelay: return {Bit(TimerRightRepeat), Bit(TimerRightDelay)};
    case TimerLeftRepeat:
    case TimerRightRepeat: return {0, pressInside ? 0u : Bit(timerId)};
    default: return {};
    }
}
