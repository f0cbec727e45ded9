#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "MemoryProfile.h"
#include "model/SettingsStore.h"
#include "model/TimerSets.h"

namespace {

// A set whose every slot says which set it is: icons, durations, names and keys apart.
TimerSet MadeSet(const std::string& name, int seed)
{
    TimerSet set;
    set.name = name;
    set.triggers = DefaultSlotTriggers();
    for (int i = 0; i < kTimerSlotCount; ++i) {
        set.slots[i] = TimerSlot{2001 + seed, 0, 60 * (seed * 10 + i + 1), Idle, 0, ""};
        std::snprintf(set.slots[i].name, kSlotNameSize, "%s%d", name.c_str(), i);
        set.triggers.key[i] = MakeTrigger(0x70 + i, static_cast<unsigned>(seed) & kAllModifiers);
    }
    set.triggers.press[seed % kTimerSlotCount] = SecondPress::Restart;
    return set;
}

// What a set holds that must survive: everything but the running state.
std::string Contents(const TimerSet& set)
{
    std::string text = set.name;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const TimerSlot& slot = set.slots[i];
        text += "|" + std::to_string(slot.icon) + "," + std::to_string(slot.duration) + "," + SlotName(slot) + "," +
                std::to_string(set.triggers.key[i]) + "," + std::to_string(static_cast<int>(set.triggers.press[i]));
    }
    return text;
}

// Every set the profile holds, as the next start reads it: {name: contents}, and the name shown.
std::pair<std::map<std::string, std::string>, std::string> Readable(MemoryProfile profile)
{
    profile.writesLeft = -1;
    const LoadedSets loaded = LoadSets(profile, true, 1000);
    std::map<std::string, std::string> sets;
    for (const StoredSet& stored : loaded.others) sets[stored.set.name] = Contents(stored.set);
    const TimerSet shown = ReadShownSet(profile, true, 1000);
    EXPECT_EQ(sets.count(shown.name), 0u) << "read twice once started";
    sets[shown.name] = Contents(shown);
    return {sets, loaded.shownName};
}

}  // namespace

TEST(TimerSets, AShownNameOfAnotherTypeHidesNoOtherSetAndNoNameHoldsAControlCharacter)
{
    MemoryProfile profile;
    WriteStoredSet(profile, MadeSet("B\tC", 2), 3, false);
    for (const MemoryProfile::Value& shownName : {MemoryProfile::Value{7}, MemoryProfile::Value{std::string()}}) {
        profile.Set("Option", "SetName", shownName);
        const LoadedSets loaded = LoadSets(profile, true, 1000);
        EXPECT_EQ(loaded.shownName, "") << "the first set's, as the program names it";
        ASSERT_EQ(loaded.others.size(), 1u);
        EXPECT_EQ(loaded.others[0].set.name, "B C") << "no name holds a tab";
    }
}

TEST(TimerSets, ASwitchWritesTheShownSetOutThenTheChosenInThenDropsItsOldSection)
{
    const TimerSet a = MadeSet("A", 1), b = MadeSet("B", 2);
    MemoryProfile profile;
    ReplaceShownSet(profile, a, std::nullopt, false);
    WriteStoredSet(profile, b, 1, false);
    profile.traffic.clear();
    EXPECT_EQ(SwitchSets(profile, a, b, 1, profile.Sections(), false), 2) << "a section no set has";
    const auto at = [&](const std::string& call) {
        return std::find(profile.traffic.begin(), profile.traffic.end(), call) - profile.traffic.begin();
    };
    EXPECT_EQ(at("write Set2/SetName"), at("write Option/SetName") - 1) << "out whole, name last; then in, name first";
    EXPECT_LT(at("write Set2/Icon#0"), at("write Set2/SetName"));
    EXPECT_LT(at("write Option/SetName"), at("write Save/Icon#0"));
    EXPECT_EQ(profile.traffic.back(), "delete Set1");
    EXPECT_EQ(profile.traffic[profile.traffic.size() - 2], "write Set1/SetName") << "its name goes first";
    EXPECT_EQ(std::count_if(profile.traffic.begin(), profile.traffic.end(),
                            [](const std::string& call) { return call.rfind("read", 0) != 0; }),
              1 + 2 * (9 * 5 + 1) + 2)
        << "the sections looked at, one pass out, one in, the old section gone";
}

TEST(TimerSets, ACooldownIsWrittenWhereASlotHasOneOrHadOneAndNowhereElse)
{
    TimerSet a = MadeSet("A", 1);
    const TimerSet b = MadeSet("B", 2);
    a.slots[1].cooldown = 90;
    MemoryProfile profile;
    ReplaceShownSet(profile, a, std::nullopt, false);
    WriteStoredSet(profile, b, 1, false);
    EXPECT_EQ(ReadShownSet(profile, false, 0).slots[1].cooldown, 90);
    profile.traffic.clear();
    SwitchSets(profile, a, b, 1, profile.Sections(), false);
    std::vector<std::string> written;
    for (const std::string& call : profile.traffic) {
        if (call.find("Cooldown") != std::string::npos && call.rfind("write", 0) == 0) written.push_back(call);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"write Set2/Cooldown#1", "write Save/Cooldown#1"}))
        << "A's out, and B's none over A's in Save";
    EXPECT_EQ(std::get<std::int32_t>(*profile.Find("Save", "Cooldown#1")), 0);
}

TEST(TimerSets, AProgramEndedAtAnyWriteOfASwitchLosesNoSet)
{
    const TimerSet a = MadeSet("A", 1), b = MadeSet("B", 2), c = MadeSet("C", 3);
    MemoryProfile before;
    ReplaceShownSet(before, a, std::nullopt, false);
    WriteStoredSet(before, b, 1, false);
    WriteStoredSet(before, c, 4, false);
    const std::map<std::string, std::string> all{{"A", Contents(a)}, {"B", Contents(b)}, {"C", Contents(c)}};
    MemoryProfile counted = before;
    counted.writesLeft = 1 << 20;
    SwitchSets(counted, a, b, 1, counted.Sections(), false);
    const int writes = (1 << 20) - counted.writesLeft;
    for (int left = 0; left <= writes; ++left) {
        MemoryProfile cut = before;
        cut.writesLeft = left;
        SwitchSets(cut, a, b, 1, before.Sections(), false);
        const auto [sets, shown] = Readable(cut);
        EXPECT_EQ(sets, all) << "ended after " << left << " writes";
        EXPECT_TRUE(shown == "A" || shown == "B") << left;
        EXPECT_EQ(Readable(cut).first, all) << "and again at the start after that";
    }
}

TEST(TimerSets, ASetNotShownRunsOnFromItsEndsOrIsIdle)
{
    TimerSet set = MadeSet("A", 1);
    set.slots[0].duration = 60;
    set.slots[3].duration = 240;
    ToggleTimerSlot(set.slots, 0, 1000);  // ends at 1060
    ToggleTimerSlot(set.slots, 3, 1000);  // ends at 1240
    RunOnSetSlots(set, 1100);
    EXPECT_EQ(set.slots[0].state, Idle) << "ended while not shown";
    EXPECT_EQ(set.slots[3].state, Running);
    EXPECT_EQ(set.slots[3].remaining, 140);
    const TimerSet copy = CopyOfSet(set, "B");
    EXPECT_EQ(copy.slots[3].state, Idle) << "a new set starts with nothing running";
    EXPECT_EQ(copy.slots[3].duration, set.slots[3].duration);
}

TEST(TimerSets, NoMoreThanThirtyAreLoadedAndASectionWithoutANameIsNone)
{
    MemoryProfile profile;
    ReplaceShownSet(profile, MadeSet("A", 1), std::nullopt, false);
    for (int i = 1; i <= kMostSets + 3; ++i) WriteStoredSet(profile, MadeSet("S" + std::to_string(i), 2), i, false);
    profile.Set("Set99", "Icon#0", 5);  // a section cut short before its name: no set
    const LoadedSets loaded = LoadSets(profile, false, 1000);
    EXPECT_EQ(loaded.others.size(), static_cast<std::size_t>(kMostSets - 1)) << "the shown set is the thirtieth";
    for (const StoredSet& other : loaded.others) EXPECT_NE(other.section, 99);
}
