#include "model/TimerSets.h"

#include <algorithm>
#include <cstdlib>

#include "model/NameLimit.h"
#include "model/SettingsStore.h"
#include "model/SlotFields.h"
#include "model/SlotEnds.h"

namespace {

constexpr char kSetPrefix[] = "Set";

// The number of a set's section ("Set12" is 12), or -1.
int SectionNumber(const std::string& section)
{
    const std::size_t prefix = sizeof kSetPrefix - 1;
    if (section.size() <= prefix || section.size() > prefix + 4 || section.compare(0, prefix, kSetPrefix) != 0) {
        return -1;
    }
    int number = 0;
    for (std::size_t at = prefix; at < section.size(); ++at) {
        if (section[at] < '0' || section[at] > '9') return -1;
        number = number * 10 + (section[at] - '0');
    }
    return number;
}

void ReadSetSlots(SettingsProfile& profile, const char* slotsSection, const char* keysSection, TimerSet& set,
                  bool withEnds, std::int32_t now)
{
    std::copy(std::begin(g_timerSlotDefaults), std::end(g_timerSlotDefaults), set.slots);
    set.triggers = DefaultSlotTriggers();
    set.alerts = DefaultSlotAlerts();
    SlotRecords records = DefaultSlotRecords();
    ReadSlotPart(profile, slotsSection, SlotPart::Slot, records);
    ReadSlotPart(profile, slotsSection, SlotPart::Cooldown, records);
    ReadSlotPart(profile, keysSection, SlotPart::Keys, records);
    ReadSlotPart(profile, keysSection, SlotPart::Alerts, records);
    TakeRecords(records, set.slots, set.triggers, set.alerts);
    if (withEnds) {
        RestoreSlotEnds(profile, set.slots, now, slotsSection, RepeatingSlots(set.alerts), CountingUpSlots(set.alerts));
    }
}

// The slots' values; ends first, as they are what a cut-short write would mix.
void WriteSetSlots(SettingsProfile& profile, const char* slotsSection, const char* keysSection, const TimerSet& set,
                   bool withEnds)
{
    if (withEnds) SaveSlotEnds(profile, set.slots, slotsSection);
    const SlotRecords records = RecordsOf(set.slots, set.triggers, set.alerts);
    WriteSlotPart(profile, slotsSection, SlotPart::Slot, records);
    WriteSlotPart(profile, slotsSection, SlotPart::Cooldown, records);
    WriteSlotPart(profile, keysSection, SlotPart::Keys, records);
    // What differs from the section's values: a player who never set an alert writes none.
    SlotRecords stored = DefaultSlotRecords();
    ReadSlotPart(profile, keysSection, SlotPart::Alerts, stored);
    WriteSlotPart(profile, keysSection, SlotPart::Alerts, records, &stored);
}

void WriteShownSet(SettingsProfile& profile, const TimerSet& set, bool withEnds)
{
    profile.WriteText(kSectionOption, kEntrySetName, set.name);
    WriteSetSlots(profile, kSectionSave, kSectionOption, set, withEnds);
}

}  // namespace

std::string SetSection(int number)
{
    return kSetPrefix + std::to_string(number);
}

TimerSet ReadShownSet(SettingsProfile& profile, bool withEnds, std::int32_t now)
{
    TimerSet set;
    set.name = profile.GetText(kSectionOption, kEntrySetName);
    ReadSetSlots(profile, kSectionSave, kSectionOption, set, withEnds, now);
    return set;
}

LoadedSets LoadSets(SettingsProfile& profile, bool withEnds, std::int32_t now)
{
    LoadedSets loaded;
    loaded.shownName = profile.GetText(kSectionOption, kEntrySetName);
    ReplaceControlCharacters(loaded.shownName);
    for (const std::string& section : profile.Sections()) {
        const int number = SectionNumber(section);
        if (number < 0) continue;
        StoredSet stored{TimerSet{}, number};
        stored.set.name = profile.GetText(section.c_str(), kEntrySetName);
        if (stored.set.name.empty()) continue;  // no set: skipped, never written over
        ReplaceControlCharacters(stored.set.name);  // as no name may hold them
        // Every set's ends are read: a switch cut short must not lose the shown set's.
        ReadSetSlots(profile, section.c_str(), section.c_str(), stored.set, true, now);
        if (stored.set.name == loaded.shownName) {
            WriteShownSet(profile, stored.set, withEnds);
            DeleteStoredSet(profile, number);
            continue;
        }
        if (!withEnds) {
            for (TimerSlot& slot : stored.set.slots) slot.state = Idle;
        }
        if (static_cast<int>(loaded.others.size()) + 1 < kMostSets) loaded.others.push_back(std::move(stored));
    }
    return loaded;
}

void WriteStoredSet(SettingsProfile& profile, const TimerSet& set, int section, bool withEnds)
{
    const std::string name = SetSection(section);
    WriteSetSlots(profile, name.c_str(), name.c_str(), set, withEnds);
    // The name last: a section cut short before it is no set.
    profile.WriteText(name.c_str(), kEntrySetName, set.name);
}

int SwitchSets(SettingsProfile& profile, const TimerSet& shown, const TimerSet& chosen,
               std::optional<int> chosenSection, const std::vector<std::string>& taken, bool withEnds)
{
    int number = 1;
    while (std::find(taken.begin(), taken.end(), SetSection(number)) != taken.end()) ++number;
    WriteStoredSet(profile, shown, number, withEnds);
    ReplaceShownSet(profile, chosen, chosenSection, withEnds);
    return number;
}

void ReplaceShownSet(SettingsProfile& profile, const TimerSet& chosen, std::optional<int> chosenSection,
                     bool withEnds)
{
    WriteShownSet(profile, chosen, withEnds);
    if (chosenSection) DeleteStoredSet(profile, *chosenSection);
}

void DeleteStoredSet(SettingsProfile& profile, int section)
{
    const std::string name = SetSection(section);
    profile.WriteText(name.c_str(), kEntrySetName, "");
    profile.DeleteSection(name.c_str());
}

void RunOnSetSlots(TimerSet& set, std::int32_t now)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        TimerSlot& slot = set.slots[i];
        const std::int32_t end = SlotEnd(slot);
        slot.state = Idle;
        RunOnFromEnd(slot, end, now, set.alerts.repeat[i], (CountingUpSlots(set.alerts) & (1u << i)) != 0);
    }
}

TimerSet CopyOfSet(const TimerSet& from, const std::string& name)
{
    TimerSet set = from;
    set.name = name;
    for (TimerSlot& slot : set.slots) slot.state = Idle;
    return set;
}
