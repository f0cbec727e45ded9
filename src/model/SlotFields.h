// A slot's settings as one record, and one table that says, for each value,
// its registry value name, the section the set shown keeps it in, its line in
// a set's file, its default and what it may be. While the program runs the
// values live apart (the slots, their keys, their alerts); the registry, the
// sets' sections and a set's file go through this table, so a new value of a
// slot is one row and its use. No Windows here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/Alerts.h"
#include "model/SettingsProfile.h"
#include "model/TimerSlots.h"
#include "model/Triggers.h"

// Every value the player sets on one slot.
struct SlotRecord {
    std::int32_t icon;
    std::int32_t duration;
    std::string name;  // the registry's bytes of the ANSI code page; UTF-8 in a set's file
    Trigger key;
    SecondPress press;
    EndSound sound;
    bool warn;
    bool repeat;
    SpeakMode speak;
    std::int32_t cooldown;  // seconds, 0 none
    bool countUp;
};
using SlotRecords = std::array<SlotRecord, kTimerSlotCount>;

// Where a value lives while the program runs, and so where the set shown keeps
// it: the slots in "Save", their keys and their alerts in "Option". A set not
// shown keeps all of them in its own section. A slot's cooldown is kept beside
// its own values but read and written apart from them: a player who never sets
// one reads and writes "Save" as ever.
enum class SlotPart { Slot, Keys, Alerts, Cooldown };

// The longest time a slot can be set to (the editor's 99:59:59).
constexpr std::int32_t kLongestSetTime = 99 * 3600 + 59 * 60 + 59;

// A key's name as the player reads it ("F5", "Ctrl+3", "마우스 옆 버튼 1").
using KeyNamer = std::function<std::string(Trigger)>;

struct SlotField {
    const char* entry;  // "Icon": the values "Icon#0" to "Icon#8"
    SlotPart part;
    const char* line;   // "icon": the line "slot 1 icon = ..." of a set's file
    std::int32_t (*get)(const SlotRecord& record);
    void (*put)(SlotRecord& record, std::int32_t value);
    // Whether a stored number is one the value takes; any other leaves the slot's default.
    bool (*takes)(std::int32_t stored);
    // In a set's file: the value's text, and the value read from a text (false
    // where it had to be brought into range: *value is then what it reads as).
    std::string (*write)(std::int32_t value, const KeyNamer& keyName);
    bool (*read)(const std::string& text, std::int32_t* value);
    // Written at 0 only over another stored value: a slot never given one
    // writes nothing where a set is written whole.
    bool quietAtZero = false;
};
// In the order they are stored and written, the name after the slot's own values.
extern const std::array<SlotField, 10> kSlotFields;

// The built-in slot i: its icon, duration and name, its digit key, the chime.
SlotRecord DefaultSlotRecord(int slot);
SlotRecords DefaultSlotRecords();

// The records of a set, from the values as the program holds them, and back.
SlotRecords RecordsOf(const TimerSlot* slots, const SlotTriggers& triggers, const SlotAlerts& alerts);
void TakeRecords(const SlotRecords& records, TimerSlot* slots, SlotTriggers& triggers, SlotAlerts& alerts);

// The values of `part` that `edited` changes from `shown`, put into `into`
// (a page's edit over the set as it stands now); whether there were any.
bool TakeChangedValues(SlotPart part, const SlotRecords& shown, const SlotRecords& edited, SlotRecords& into);

// The values of one part of every slot, read from `section`: odd or absent
// ones keep what `records` holds. A slot's keys are then settled as
// SettleSlotKeys does.
void ReadSlotPart(SettingsProfile& profile, const char* section, SlotPart part, SlotRecords& records);
// Written to `section`: every value of the part, or with `before` only those
// that differ from it; of slot `only`, or of every slot where it is -1.
void WriteSlotPart(SettingsProfile& profile, const char* section, SlotPart part, const SlotRecords& records,
                   const SlotRecords* before = nullptr, int only = -1);

// A set's file: the lines "slot N <line> = <text>" of one slot, and the value
// of one such line (false where it had to be brought into range; a line it
// does not know is passed over).
std::string FormatSlotLines(int slot, const SlotRecord& record, const KeyNamer& keyName);
bool ReadSlotLine(SlotRecord& record, const std::string& what, const std::string& text);

// The set shown, as the registry keeps it: each slot's icon, duration and name
// in "Save" (or a set's own section); each slot's key and second press, and
// its alerts, in "Option" (or a set's own).
void LoadSlotSettings(SettingsProfile& profile, TimerSlot* slots, const char* section = "Save");
void SaveSlotSettings(SettingsProfile& profile, const TimerSlot* slots, const char* section = "Save");
// The slots' cooldowns, read apart from their other values (odd ones read as none).
void LoadSlotCooldowns(SettingsProfile& profile, TimerSlot* slots, const char* section = "Save");
// One slot's three values, as SaveSlotSettings writes them.
void SaveSlotSetting(SettingsProfile& profile, const TimerSlot* slots, int index, const char* section = "Save");
// The part of `triggers` that belongs to a set (the program-wide keys stay).
void ReadSlotKeys(SettingsProfile& profile, const char* section, SlotTriggers& triggers);
void WriteSlotKeys(SettingsProfile& profile, const char* section, const SlotTriggers& triggers);
// Odd values (absent, another type, unusable, already taken by a lower slot)
// read as the slot's default (none, if a lower slot holds even that); a
// lockout outside 0 to 2000 ms as 0; a pause, next-set or read-all key that
// is odd as none, one that is an earlier one's as none. The program's own
// keys belong to no slot: a slot stored with one reads as having no key.
SlotTriggers ReadSlotTriggers(SettingsProfile& profile);
// Over what was stored before (`before`).
void WriteSlotTriggers(SettingsProfile& profile, const SlotTriggers& triggers, const SlotTriggers& before);
// Odd values (absent, out of range) read as the defaults.
SlotAlerts ReadSlotAlerts(SettingsProfile& profile, const char* section);
// Only the values that differ from `before` (what the section holds now).
void WriteSlotAlerts(SettingsProfile& profile, const char* section, const SlotAlerts& alerts,
                     const SlotAlerts& before);
