// Sets of nine slots, one for each character a player runs. The set shown
// lives where the slots always lived ("Save" and "Option", its name as
// "SetName" in "Option"); each other set in a section of its own, "Set" and a
// number, with the same value names and its "SetName". A switch writes the set
// shown out to a new section first, then the chosen set in (its name first),
// and only then deletes the chosen set's old section: a program ended at any
// moment leaves every set readable, at worst one twice, and the next start
// mends that from the whole copy. No Windows here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Alerts.h"
#include "model/SettingsProfile.h"
#include "model/TimerSlots.h"
#include "model/Triggers.h"

constexpr int kMostSets = 30;
constexpr char kEntrySetName[] = "SetName";

struct TimerSet {
    std::string name;  // UTF-8
    TimerSlot slots[kTimerSlotCount];  // with their running state (a set not shown keeps its ends)
    SlotTriggers triggers;             // its slots' keys and second presses (the program's own keys unused)
    SlotAlerts alerts = DefaultSlotAlerts();
};

// A set's identity for this run, given by the sets' owner: no switch, rename
// or move to another section changes it.
using SetId = std::uint32_t;

// A set not shown, the number of its section and its identity.
struct StoredSet {
    TimerSet set;
    int section;
    SetId id = 0;
};

std::string SetSection(int number);

// The sets as the program starts: the name of the one shown (empty where
// none is stored, or where it is no text: the first set's, as the program
// names it) and the others. A section that holds the shown set's name is what a switch
// cut short left: the shown set is written again from it and it goes. A
// section without a name is no set and stays as it is. Ends are read with
// `withEnds` (running timers kept across a restart).
struct LoadedSets {
    std::string shownName;
    std::vector<StoredSet> others;
};
LoadedSets LoadSets(SettingsProfile& profile, bool withEnds, std::int32_t now);

// The set shown, read from "Save" and "Option" (its name, slots, keys; ends with `withEnds`).
TimerSet ReadShownSet(SettingsProfile& profile, bool withEnds, std::int32_t now);

// Shows `chosen`: the set shown now (`shown`) goes to a new section (returned),
// `chosen` is written in, and its section (if it had one) goes. `taken`: the
// sections there are, none of which the new one may be.
int SwitchSets(SettingsProfile& profile, const TimerSet& shown, const TimerSet& chosen,
               std::optional<int> chosenSection, const std::vector<std::string>& taken, bool withEnds);
// Shows `chosen` in place of the set shown, which is gone (deleted).
void ReplaceShownSet(SettingsProfile& profile, const TimerSet& chosen, std::optional<int> chosenSection,
                     bool withEnds);
void WriteStoredSet(SettingsProfile& profile, const TimerSet& set, int section, bool withEnds);
// A set's section goes, its name first: cut short, what is left is no set.
void DeleteStoredSet(SettingsProfile& profile, int section);

// A set's slots as they run now: each slot whose end still lies ahead runs
// on, one that repeats runs on in step with its ends, the others are idle
// (they ended while the set was not shown).
void RunOnSetSlots(TimerSet& set, std::int32_t now);
// A new set: the slots of `from` (icons, names, durations, keys), none running.
TimerSet CopyOfSet(const TimerSet& from, const std::string& name);
