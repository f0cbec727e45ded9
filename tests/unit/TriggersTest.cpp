#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "model/SlotFields.h"
#include "model/Triggers.h"

#include <vector>

namespace {

constexpr unsigned kF5 = 0x74, kNumpad1 = 0x61;

}  // namespace

TEST(Triggers, OddStoredValuesReadAsTheSlotsDefault)
{
    const struct {
        MemoryProfile::Value stored;
        Trigger read;
    } rows[] = {
        {static_cast<std::int32_t>(MakeTrigger(kF5, kModControl | kModAlt)), MakeTrigger(kF5, kModControl | kModAlt)},
        {static_cast<std::int32_t>(MakeTrigger(kSideButton2, kModWin)), MakeTrigger(kSideButton2, kModWin)},
        {0xE5, DefaultTrigger(0)}, {0xE7, DefaultTrigger(0)},  // the input method's stand-ins, never the key
        {static_cast<std::int32_t>(kNumpad1), kNumpad1},  // the keypad's 1 is not the main keyboard's
        {static_cast<std::int32_t>(0xFE), 0xFE},
        {0, DefaultTrigger(0)},
        {static_cast<std::int32_t>(0xFF), DefaultTrigger(0)},
        {0x10000 | 0x100, DefaultTrigger(0)},            // a code above 0xFE
        {0x01, DefaultTrigger(0)}, {0x02, DefaultTrigger(0)},  // the left and right buttons
        {0x11, DefaultTrigger(0)}, {0x20000 | 0xA2, DefaultTrigger(0)},  // a modifier alone
        {0x100000 | static_cast<std::int32_t>(kF5), DefaultTrigger(0)},  // a bit beyond the modifiers
        {-1, DefaultTrigger(0)},
        {std::string("116"), DefaultTrigger(0)},  // another type
    };
    for (const auto& row : rows) {
        MemoryProfile profile("Option", "Key#0", row.stored);
        EXPECT_EQ(ReadSlotTriggers(profile).key[0], row.read) << row.read;
    }
}

TEST(Triggers, ATriggerTakenByALowerSlotReadsAsTheDefault)
{
    MemoryProfile profile;
    profile.Set("Option", "Key#0", static_cast<std::int32_t>(kF5));
    profile.Set("Option", "Key#4", static_cast<std::int32_t>(kF5));       // taken by slot 1
    profile.Set("Option", "Key#6", static_cast<std::int32_t>('9'));       // slot 9's digit, before slot 9 reads
    const SlotTriggers read = ReadSlotTriggers(profile);
    EXPECT_EQ(read.key[0], kF5);
    EXPECT_EQ(read.key[1], DefaultTrigger(1));
    EXPECT_EQ(read.key[4], DefaultTrigger(4));
    EXPECT_EQ(read.key[6], '9');
    EXPECT_EQ(read.key[8], kNoTrigger) << "its own digit is a lower slot's: the lower one keeps it";
    EXPECT_EQ(SlotOfRelease(read, '9'), 6);
}

TEST(Triggers, TheLockoutReadsOnlyWhatItCanBe)
{
    const struct {
        MemoryProfile::Value lockout;
        std::int32_t read;
    } rows[] = {{250, 250}, {0, 0}, {2000, 2000}, {2001, 0}, {-5, 0}, {std::string("250"), 0}};
    for (const auto& row : rows) {
        MemoryProfile profile("Option", "KeyLockout", row.lockout);
        EXPECT_EQ(ReadSlotTriggers(profile).lockoutMs, row.read);
    }
}

TEST(Triggers, ThePauseAndNextSetKeysAreNoneUnlessUsableAndASlotStoredWithOneHasNone)
{
    const struct {
        MemoryProfile::Value stored;
        Trigger read;
        int slotWithoutKey;  // -1: every slot keeps its digit
    } rows[] = {
        {0x7B, 0x7B, -1}, {0x20000 | 0x0D, MakeTrigger(0x0D, kModControl), -1},
        {'5', '5', 4},    // slot 5's digit: the pause key keeps it, slot 5 has none
        {0x78, 0x78, -1}, // the next-set key's: the pause key keeps it, the next-set key is none
        {0x12, kNoTrigger, -1}, {0x300, kNoTrigger, -1}, {std::string("123"), kNoTrigger, -1},
    };
    for (const auto& row : rows) {
        MemoryProfile profile;
        profile.Set("Option", "PauseKey", row.stored);
        profile.Set("Option", "NextSetKey", 0x78);
        profile.Set("Option", "Key#6", 0x78);  // slot 7 on the next-set key: the key is the program's
        const SlotTriggers read = ReadSlotTriggers(profile);
        EXPECT_EQ(read.pause, row.read);
        if (read.pause != kNoTrigger) {
            EXPECT_EQ(SlotOfRelease(read, read.pause), kPauseHolder);
        }
        EXPECT_EQ(read.nextSet, read.pause == 0x78 ? kNoTrigger : 0x78u);
        for (int i = 0; i < kTimerSlotCount; ++i) {
            EXPECT_EQ(read.key[i], i == 6 || i == row.slotWithoutKey ? kNoTrigger : DefaultTrigger(i)) << i;
        }
    }
}

TEST(Triggers, TheReadAllKeyIsNoneOnAnotherProgramKeysKey)
{
    for (const auto& [stored, read] : {std::pair{0x77, kNoTrigger}, {0x78, kNoTrigger}, {0x79, Trigger{0x79}}}) {
        MemoryProfile profile;
        profile.Set("Option", "PauseKey", 0x77);
        profile.Set("Option", "NextSetKey", 0x78);
        profile.Set("Option", "ReadAllKey", stored);
        EXPECT_EQ(ReadSlotTriggers(profile).readAll, read) << stored;
    }
}

TEST(Triggers, AProgramKeyIsNoSlotsKeyInAnySet)
{
    SlotTriggers program = DefaultSlotTriggers();
    program.pause = kF5;
    program.nextSet = MakeTrigger('3', kModControl);
    SlotTriggers set = DefaultSlotTriggers();
    set.key[0] = kF5;
    set.key[4] = MakeTrigger('3', kModControl);
    set.key[5] = '3';  // the plain key of a combination: still the slot's
    EXPECT_EQ(DropProgramKeys(set, program), 2);
    EXPECT_EQ(set.key[0], kNoTrigger);
    EXPECT_EQ(set.key[4], kNoTrigger);
    EXPECT_EQ(set.key[5], '3');
    EXPECT_EQ(DropProgramKeys(set, DefaultSlotTriggers()), 0) << "no program keys: nothing to drop";
    SlotTriggers clash = program;
    clash.key[2] = kF5;  // a stored conflict that slipped through: the release is the program's
    EXPECT_EQ(SlotOfRelease(clash, kF5), kPauseHolder);
}

TEST(Triggers, WrittenTriggersReadBackAndNothingIsWrittenByReading)
{
    SlotTriggers triggers = DefaultSlotTriggers();
    triggers.key[2] = MakeTrigger('3', kModControl);
    triggers.key[7] = kSideButton1;
    triggers.press[7] = SecondPress::Restart;
    triggers.lockoutMs = 400;
    triggers.pause = 0x13;    // VK_PAUSE
    triggers.nextSet = 0x78;  // F9
    MemoryProfile profile;
    WriteSlotTriggers(profile, triggers, DefaultSlotTriggers());
    EXPECT_EQ(std::get<std::int32_t>(*profile.Find("Option", "Key#2")), 0x20033);
    EXPECT_EQ(ReadSlotTriggers(profile), triggers);
    MemoryProfile unchanged;
    WriteSlotTriggers(unchanged, DefaultSlotTriggers(), DefaultSlotTriggers());
    EXPECT_EQ(unchanged.Find("Option", "NextSetKey"), nullptr) << "written only by a player who sets it";
    EXPECT_EQ(unchanged.Find("Option", "PauseKey"), nullptr);
    MemoryProfile empty;
    ReadSlotTriggers(empty);
    for (const std::string& call : empty.traffic) EXPECT_EQ(call.rfind("read", 0), 0u) << call;
}

TEST(Triggers, AReleaseFindsItsExactTriggerFirstThenThePlainKey)
{
    SlotTriggers triggers = DefaultSlotTriggers();
    triggers.key[0] = kF5;
    triggers.key[1] = MakeTrigger('3', kModControl);
    const struct {
        Trigger released;
        int slot;
    } rows[] = {
        {kF5, 0}, {MakeTrigger(kF5, kModShift), 0},  // a plain key also acts with a modifier held
        {MakeTrigger('3', kModControl), 1}, {'3', 2}, {MakeTrigger('3', kModAlt), 2},
        {'1', -1}, {'2', -1}, {kNumpad1, -1}, {'9', 8},
    };
    for (const auto& row : rows) EXPECT_EQ(SlotOfRelease(triggers, row.released), row.slot) << row.released;
}

TEST(Triggers, WhatAReleaseDoesByModeHoldAndLockout)
{
    SlotTriggers triggers = DefaultSlotTriggers();
    triggers.press[1] = SecondPress::Restart;
    triggers.lockoutMs = 300;
    const struct {
        int slot;
        SlotState state;
        std::uint32_t heldMs, atMs;
        PressAction action;
    } rows[] = {
        {0, Idle, 0, 1000, PressAction::Toggle},
        {0, Running, 0, 1299, PressAction::Nothing},   // within the lockout of the last one that acted
        {0, Running, 5000, 1300, PressAction::Toggle},  // stop mode: a long hold stops as a short one does
        {0, Cooling, 0, 1600, PressAction::Refuse},     // not ready: seen, and nothing starts
        {0, CountingUp, 0, 1900, PressAction::Toggle},  // past its end: stops
        {1, Idle, 2000, 1300, PressAction::Toggle},     // restart mode, idle: starts
        {1, Running, 999, 1600, PressAction::Restart},
        {1, Running, 1000, 1900, PressAction::Stop},
        {1, Running, 0, 2100, PressAction::Nothing},
        {1, Cooling, 0, 2200, PressAction::Restart},    // restart mode starts again whatever the cooldown
        {1, CountingUp, 1000, 2500, PressAction::Stop},
        {2, Idle, 0, 0xFFFFFF00u, PressAction::Toggle},
        {2, Running, 0, 0x10u, PressAction::Nothing},   // the clock wrapped: still 0x110 ms later
        {2, Running, 0, 0x30u, PressAction::Toggle},
    };
    PressMemory memory;
    for (const auto& row : rows) {
        EXPECT_EQ(DecidePress(triggers, row.slot, row.state, row.heldMs, row.atMs, memory), row.action)
            << row.slot << " at " << row.atMs;
    }
}

TEST(Triggers, AReleaseCarriesTheModifiersAndHoldOfItsOwnPress)
{
    enum Repeat { Fresh, Repeated, Unflagged };  // Unflagged: the hook's events, judged by IsRepeat
    struct Down {
        unsigned modifiers;
        std::uint32_t atMs;
        Repeat repeat;
    };
    const struct {
        std::vector<Down> downs;
        bool forget;  // the window lost the keyboard before the release
        unsigned modifiersAtUp;
        std::uint32_t upMs;
        Trigger trigger;
        std::uint32_t heldMs;
        const char* what;
    } rows[] = {
        {{{kModControl, 100, Fresh}, {kModControl | kModShift, 150, Repeated}}, false, 0, 1300,
         MakeTrigger('4', kModControl), 1200, "Ctrl let go first: the press's modifiers"},
        {{{kModShift, 1000, Fresh}, {0, 60000, Fresh}}, false, 0, 60100, '4', 100,
         "the first press's release was never seen: the new press counts"},
        {{{kModShift, 1000, Unflagged}, {0, 60000, Unflagged}}, false, 0, 60100, '4', 100,
         "the same at the hook: a minute is no repeat"},
        {{{kModControl, 100, Unflagged}, {0, 600, Unflagged}, {0, 1650, Unflagged}}, false, 0, 2000,
         MakeTrigger('4', kModControl), 1900, "the hook's repeats keep the first press"},
        {{{kModControl, 100, Fresh}}, true, kModAlt, 200, MakeTrigger('4', kModAlt), 0,
         "forgotten: as a release whose press was not seen"},
        {{}, false, kModAlt, 1400, MakeTrigger('4', kModAlt), 0, "no press seen"},
    };
    for (const auto& row : rows) {
        KeyPresses presses;
        for (const Down& down : row.downs) {
            const bool repeat = down.repeat == Unflagged ? presses.IsRepeat('4', down.atMs) : down.repeat == Repeated;
            presses.Down('4', down.modifiers, down.atMs, repeat);
        }
        if (row.forget) presses.Forget();
        const KeyPresses::Release release = presses.Up('4', row.modifiersAtUp, row.upMs);
        EXPECT_EQ(release.trigger, row.trigger) << row.what;
        EXPECT_EQ(release.heldMs, row.heldMs) << row.what;
    }
}
