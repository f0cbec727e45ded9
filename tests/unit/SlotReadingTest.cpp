#include <gtest/gtest.h>

#include "model/SlotReading.h"

TEST(SlotReading, ASlotIsReadByItsNumberAndNameAndItsTimeInTheWordsOfItsPhase)
{
    const ReadingWords words{L"실행 중, %1 남음", L"경고, %1 남음", L"재사용 대기, %1 남음", L"끝난 지 %1"};
    EXPECT_EQ(SlotReadingName(2, L"해독제"), L"3: 해독제");
    EXPECT_EQ(SlotReadingName(8, L""), L"9");
    const struct {
        SlotState state;
        std::int32_t remaining, duration;
        SlotPhase phase;
        const wchar_t* value;
    } rows[] = {
        {Idle, 0, 90, SlotPhase::Idle, L"0:01:30"},
        {Idle, 0, 360000, SlotPhase::Idle, L"100:00:00"},
        {Running, 61, 600, SlotPhase::Running, L"실행 중, 0:01:01 남음"},
        {Running, 60, 600, SlotPhase::Warning, L"경고, 0:01:00 남음"},  // red from its last minute, any second
        {Running, 181, 1801, SlotPhase::Running, L"실행 중, 0:03:01 남음"},
        {Running, 180, 1801, SlotPhase::Warning, L"경고, 0:03:00 남음"},
        {Cooling, 42, 20, SlotPhase::Cooling, L"재사용 대기, 0:00:42 남음"},
        {CountingUp, 12, 20, SlotPhase::CountingUp, L"끝난 지 0:00:12"},
    };
    for (const auto& row : rows) {
        const TimerSlot slot{0, row.remaining, row.duration, row.state, 0, ""};
        EXPECT_EQ(PhaseOfSlot(slot), row.phase) << row.value;
        EXPECT_EQ(SlotReadingValue(slot, words), row.value);
    }
}
