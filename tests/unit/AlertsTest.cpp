#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "model/SlotFields.h"
#include "model/Alerts.h"
#include "model/WaveSamples.h"

namespace {

constexpr std::int32_t kNow = 1'800'000'000;

TimerSlot Running1(std::int32_t remaining, std::int32_t duration)
{
    return TimerSlot{0, remaining, duration, Running, kNow, ""};
}

// A mono 16-bit WAV with the given samples.
std::vector<std::uint8_t> Wave(const std::vector<std::int16_t>& samples)
{
    auto le = [](std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
    le(out, 36 + data, 4);
    for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<std::uint8_t>(c));
    le(out, 16, 4), le(out, 1, 2), le(out, 1, 2), le(out, 22050, 4), le(out, 44100, 4), le(out, 2, 2), le(out, 16, 2);
    for (char c : std::string("data")) out.push_back(static_cast<std::uint8_t>(c));
    le(out, data, 4);
    for (std::int16_t s : samples) le(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

}  // namespace

TEST(Alerts, AVolumeIsAStepFrom0To100OrReadsAsFull)
{
    for (const auto& [stored, read] : {std::pair{0, 0}, {50, 50}, {100, 100}, {55, 100}, {110, 100}, {-10, 100}}) {
        MemoryProfile profile("Option", kEntrySoundVolume, stored);
        EXPECT_EQ(ReadSoundVolume(profile), read) << stored;
    }
}

TEST(Alerts, OnlyWhatChangedIsWritten)
{
    MemoryProfile profile;
    const SlotAlerts before = DefaultSlotAlerts();
    SlotAlerts after = before;
    after.sound[0] = EndSound::Gong;
    after.repeat[8] = true;
    WriteSlotAlerts(profile, "Option", after, before);
    EXPECT_EQ(profile.traffic, (std::vector<std::string>{"write Option/Sound#0", "write Option/Repeat#8"}));
    EXPECT_EQ(ReadSlotAlerts(profile, "Option"), after);
    EXPECT_EQ(RepeatingSlots(after), 1u << 8);
}

TEST(Alerts, AWarningComesOnceAsTheSlotCrossesIntoItsRedPhase)
{
    SlotAlerts alerts = DefaultSlotAlerts();
    alerts.warn[0] = alerts.warn[1] = alerts.warn[2] = true;
    TimerSlot slots[kTimerSlotCount] = {};
    slots[0] = Running1(61, 600);    // turns red at 60
    slots[1] = Running1(30, 600);    // red already: no warning
    slots[2] = Running1(200, 3600);  // long slots turn red at 180
    slots[3] = Running1(61, 600);    // no warning chosen
    SlotTickCues cues = TickSlotsWithAlerts(slots, alerts, kNow + 1);
    EXPECT_EQ(cues.warned, 1u << 0);
    cues = TickSlotsWithAlerts(slots, alerts, kNow + 2);
    EXPECT_EQ(cues.warned, 0u) << "once per start";
    cues = TickSlotsWithAlerts(slots, alerts, kNow + 30);  // a late tick still crosses
    EXPECT_EQ(cues.warned, 1u << 2);
}

TEST(Alerts, ARepeatingSlotStartsAgainInStepWithTheClock)
{
    SlotAlerts alerts = DefaultSlotAlerts();
    alerts.repeat[0] = alerts.repeat[1] = alerts.repeat[2] = true;
    const struct {
        std::int32_t remaining, duration, late;  // the tick comes `late` seconds after the end
        bool restarts;
        std::int32_t left;
    } rows[] = {
        {5, 60, 0, true, 60},
        {5, 60, 7, true, 53},
        {5, 60, 125, true, 55},  // slept through two rounds
        {5, 0, 0, false, 0},     // no full time to start again from
    };
    for (const auto& row : rows) {
        TimerSlot slots[kTimerSlotCount] = {};
        slots[0] = Running1(row.remaining, row.duration);
        slots[3] = Running1(row.remaining, row.duration);  // not repeating
        const SlotTickCues cues = TickSlotsWithAlerts(slots, alerts, kNow + row.remaining + row.late);
        EXPECT_EQ(cues.ended, 1u << 0 | 1u << 3) << row.late;
        EXPECT_EQ(cues.repeated, row.restarts ? 1u : 0u) << row.late;
        EXPECT_EQ(slots[0].state, row.restarts ? Running : Idle) << row.late;
        if (row.restarts) {
            EXPECT_EQ(slots[0].remaining, row.left) << row.late;
        }
        EXPECT_EQ(slots[3].state, Idle);
    }
}

TEST(Alerts, OneSoundPerTickTheLoudestEndBeforeAnyWarning)
{
    const std::int32_t peaks[kEndSoundCount] = {14000, 16000, 12000, 18000};  // chime bell beeps gong
    SlotAlerts alerts = DefaultSlotAlerts();
    alerts.sound[1] = EndSound::Bell;
    alerts.sound[2] = EndSound::None;
    alerts.sound[3] = EndSound::Beeps;
    const AlertCue silence{}, tick{AlertCue::Tick, EndSound::None};
    const struct {
        SlotTickCues cues;
        bool on;
        AlertCue cue;
    } rows[] = {
        {{0b0001, 0, 0}, true, {AlertCue::End, EndSound::Chime}},
        {{0b1011, 0, 0}, true, {AlertCue::End, EndSound::Bell}},
        {{0b1001, 0, 0}, true, {AlertCue::End, EndSound::Chime}},
        {{0b0100, 0, 0}, true, silence},  // "nothing" chosen
        {{0b0100, 0b1, 0}, true, tick},   // ... so the warning is heard
        {{0b0001, 0b10, 0}, true, {AlertCue::End, EndSound::Chime}},
        {{0b0001, 0, 0}, false, silence},  // end sounds switched off
        {{0b0001, 0b10, 0}, false, tick},  // the switch governs end sounds only
        {{0, 0, 0}, true, silence},
        {{0, 0, 0, 0b1}, false, tick},  // ready again after a cooldown: the tick
        {{0b0001, 0, 0, 0b10}, true, {AlertCue::End, EndSound::Chime}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ChooseCue(row.cues, alerts, row.on, peaks), row.cue) << row.cues.ended << row.cues.warned << row.on;
    }
}

TEST(WaveSamples, AScaledSoundKeepsItsShapeAtItsVolumeAndLastsAtLeastItsLeast)
{
    std::vector<std::uint8_t> wave = Wave({0, 20000, -32768, 101, -3});
    EXPECT_EQ(WavePeak(wave.data(), wave.size()), 32768);
    // A chunk after the samples (a tag list) is left out, and the sizes say so.
    for (char c : std::string("LIST\2\0\0\0ab")) wave.push_back(static_cast<std::uint8_t>(c));
    const std::vector<std::int16_t> silence(17, 0);  // 1 ms at 44,100 bytes a second: 22 samples in all
    std::vector<std::int16_t> padded = {0, 20000, -32768, 101, -3};
    padded.insert(padded.end(), silence.begin(), silence.end());
    const struct {
        std::int32_t volume;
        std::int32_t leastMs;
        std::vector<std::int16_t> samples;
    } rows[] = {
        {100, 0, {0, 20000, -32768, 101, -3}},
        {50, 0, {0, 10000, -16384, 50, -1}},
        {0, 0, {0, 0, 0, 0, 0}},
        {100, 1, padded},
        {100, -5, {0, 20000, -32768, 101, -3}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ScaledWave(wave.data(), wave.size(), row.volume, row.leastMs), Wave(row.samples)) << row.volume;
    }
}

TEST(WaveSamples, BytesThatAreNoWholeSoundGiveNone)
{
    const std::vector<std::uint8_t> wave = Wave({100, 200, 300});
    std::vector<std::uint8_t> notRiff = wave, eightBit = wave, longData = wave, shortFile(wave.begin(), wave.end() - 3);
    notRiff[0] = 'X';
    eightBit[34] = 8;
    longData[40] = 0xFF;  // the data chunk claims more than the file holds
    for (const auto* bytes : {&notRiff, &eightBit, &longData, &shortFile}) {
        EXPECT_EQ(FindWaveSamples(bytes->data(), bytes->size()).size, 0u);
        EXPECT_TRUE(ScaledWave(bytes->data(), bytes->size(), 50).empty());
    }
    EXPECT_EQ(FindWaveSamples(wave.data(), wave.size()).size, 6u);
    EXPECT_EQ(FindWaveSamples(wave.data(), 0).size, 0u);
}
