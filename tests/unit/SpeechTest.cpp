#include <gtest/gtest.h>

#include "model/Speech.h"

namespace {

const SpeechWords kKorean{L"%1번", L"1분", L"%1분", L"사용 가능", L"실행 중인 타이머 없음"};

SlotAlerts Speaking(std::initializer_list<std::pair<int, SpeakMode>> slots)
{
    SlotAlerts alerts = DefaultSlotAlerts();
    for (const auto& [slot, mode] : slots) alerts.speak[slot] = mode;
    return alerts;
}

}  // namespace

TEST(Speech, ASlotSpeaksItsEndWithTheEndSoundsOnAndItsWarningOnlyWhereItSpeaksThatToo)
{
    const SlotAlerts alerts = Speaking({{1, SpeakMode::End}, {2, SpeakMode::WarningAndEnd}});
    const struct {
        SlotTickCues due;
        bool endSoundsOn;
        unsigned ended, warned, ready;  // spoken
    } rows[] = {
        {{0b111, 0, 0}, true, 0b110, 0, 0},
        {{0b111, 0, 0}, false, 0, 0, 0},     // the menu's end sounds off: no end is said either
        {{0, 0b111, 0}, true, 0, 0b100, 0},  // slot 2 says its end only; slot 1 ticks
        {{0, 0b111, 0}, false, 0, 0b100, 0},
        {{0, 0, 0, 0b111}, false, 0, 0, 0b110},  // ready is said by every slot that speaks, as the tick is heard
    };
    for (const auto& row : rows) {
        const SlotTickCues spoken = SpokenCues(row.due, alerts, row.endSoundsOn);
        EXPECT_EQ(spoken.ended, row.ended) << &row - rows;
        EXPECT_EQ(spoken.warned, row.warned) << &row - rows;
        EXPECT_EQ(spoken.ready, row.ready) << &row - rows;
        EXPECT_EQ(CuesWithout(row.due, spoken).ready, row.due.ready & ~row.ready);
        const SlotTickCues rest = CuesWithout(row.due, spoken);
        EXPECT_EQ(rest.ended | spoken.ended, row.due.ended);
        EXPECT_EQ(rest.ended & spoken.ended, 0u);
    }
}

TEST(Speech, SlotsDueTogetherAreOneUtteranceInSlotOrder)
{
    TimerSlot slots[kTimerSlotCount] = {};
    slots[4].duration = 1801;  // warned three minutes before its end
    slots[6].duration = 1800;
    std::wstring names[kTimerSlotCount];
    names[0] = L"해독제";
    names[4] = L"<음식>";  // said as written
    names[6] = L"Mana";
    const struct {
        SlotTickCues spoken;
        const wchar_t* text;
    } rows[] = {
        {{0b1, 0, 0}, L"해독제"},
        {{0b1000001, 0, 0}, L"해독제, Mana"},
        {{0b100, 0, 0}, L"3번"},  // no name: its number
        {{0b1, 0b1010000, 0}, L"해독제, <음식> 3분, Mana 1분"},
        {{0, 0, 0, 0b101}, L"해독제 사용 가능, 3번 사용 가능"},
        {{0, 0, 0}, L""},
    };
    for (const auto& row : rows) EXPECT_EQ(SpokenText(row.spoken, slots, names, kKorean), row.text);
}

TEST(Speech, TheReadAllKeySaysTheRunningSlotsShortestFirst)
{
    TimerSlot slots[kTimerSlotCount] = {};
    std::wstring names[kTimerSlotCount];
    EXPECT_EQ(TimesLeftText(slots, names, kKorean), L"실행 중인 타이머 없음");
    names[5] = L"해독제";
    for (const auto& [slot, left, state] : {std::tuple{5, 3600, Running}, {1, 42, Running}, {8, 42, Running},
                                            {3, 10, Cooling}, {0, 36000, Running}}) {
        slots[slot] = TimerSlot{0, left, 40000, state, 0, ""};
    }
    EXPECT_EQ(TimesLeftText(slots, names, kKorean), L"2번 0:00:42, 9번 0:00:42, 해독제 1:00:00, 1번 10:00:00");
}

TEST(Speech, AVoiceOfTheTextsLanguageThenTheProgramsThenEnglish)
{
    const struct {
        const wchar_t* text;
        std::uint16_t program;
        std::vector<std::uint16_t> voices;
    } rows[] = {
        {L"해독제", 0x0409, {0x0412, 0x0409}},
        {L"Mana potion", 0x0412, {0x0412, 0x0409}},
        {L"Mana potion", 0x0409, {0x0409}},
        {L"Manatrank, 해독제", 0x0407, {0x0412, 0x0407, 0x0409}},
        {L"ㅎㅎ", 0x0409, {0x0412, 0x0409}},  // a syllable's letters alone are Hangul too
    };
    for (const auto& row : rows) EXPECT_EQ(VoiceLanguages(row.text, row.program), row.voices) << row.text;
}

TEST(Speech, TheFirstVoiceOfTheFirstLanguageAnyCanSpeak)
{
    const std::vector<std::vector<std::uint16_t>> voices = {
        ParseVoiceLanguages(L"809"), ParseVoiceLanguages(L"409;9"), ParseVoiceLanguages(L"412"), ParseVoiceLanguages(L"x")};
    EXPECT_EQ(voices[1], (std::vector<std::uint16_t>{0x409, 0x9}));
    EXPECT_TRUE(voices[3].empty()) << "an attribute that names none";
    const struct {
        std::vector<std::uint16_t> wanted;
        int voice;
    } rows[] = {{{0x0412, 0x0409}, 2}, {{0x0409}, 0}, {{0x0407, 0x0409}, 0}, {{0x0407}, -1}, {{}, -1}};
    for (const auto& row : rows) EXPECT_EQ(ChooseVoice(voices, row.wanted), row.voice) << &row - rows;
}
