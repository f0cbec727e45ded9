#include "model/SlotFields.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <algorithm>

#include "model/IconCatalogue.h"
#include "model/SettingsStore.h"

namespace {

std::string Entry(const char* name, int slot)
{
    return std::string(name) + "#" + std::to_string(slot);
}

std::string FormatTime(std::int32_t seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", static_cast<int>(seconds / 3600),
                  static_cast<int>(seconds % 3600 / 60), static_cast<int>(seconds % 60));
    return text;
}

// A whole decimal number, or false.
bool Number(const std::string& text, long long* value)
{
    if (text.empty() || text.size() > 12) return false;
    char* end = nullptr;
    *value = std::strtoll(text.c_str(), &end, 10);
    return end && *end == '\0';
}

// "h:mm:ss", "m:ss" or seconds.
bool ParseTime(const std::string& text, long long* seconds)
{
    long long total = 0;
    std::size_t at = 0;
    int parts = 0;
    while (at <= text.size()) {
        const std::size_t colon = text.find(':', at);
        const std::string part = text.substr(at, colon == std::string::npos ? std::string::npos : colon - at);
        long long value = 0;
        if (!Number(part, &value) || value < 0 || (parts > 0 && value > 59) || ++parts > 3) return false;
        total = total * 60 + value;
        if (colon == std::string::npos) break;
        at = colon + 1;
    }
    *seconds = total;
    return true;
}

// A key by its name alone, as a hand-edited file may give it: modifiers, then
// F1-F24, a letter or a digit of the main keyboard.
bool ParseKeyName(std::string text, Trigger* trigger)
{
    unsigned modifiers = 0;
    const struct {
        const char* prefix;
        unsigned modifier;
    } prefixes[] = {{"Ctrl+", kModControl}, {"Alt+", kModAlt}, {"Shift+", kModShift}, {"Win+", kModWin}};
    for (bool found = true; found;) {
        found = false;
        for (const auto& prefix : prefixes) {
            if (text.rfind(prefix.prefix, 0) == 0) {
                modifiers |= prefix.modifier;
                text = text.substr(std::char_traits<char>::length(prefix.prefix));
                found = true;
            }
        }
    }
    unsigned key = 0;
    long long number = 0;
    if (text.size() == 1 && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= '0' && text[0] <= '9'))) {
        key = static_cast<unsigned char>(text[0]);
    } else if (text.size() >= 2 && text[0] == 'F' && Number(text.substr(1), &number) && number >= 1 && number <= 24) {
        key = 0x70 + static_cast<unsigned>(number - 1);  // VK_F1...
    } else {
        return false;
    }
    *trigger = MakeTrigger(key, modifiers);
    return true;
}

// "Name (code)", or a name alone.
bool ParseKey(const std::string& text, Trigger* trigger)
{
    const std::size_t open = text.rfind('(');
    long long code = 0;
    if (open != std::string::npos && text.back() == ')' &&
        Number(text.substr(open + 1, text.size() - open - 2), &code) && code > 0 && code <= 0xFFFFFFFFll) {
        *trigger = static_cast<Trigger>(code);
        return true;
    }
    return ParseKeyName(text, trigger);
}

constexpr const char* kSoundNames[] = {"chime", "bell", "beeps", "gong", "none"};

bool Any(std::int32_t)
{
    return true;
}

bool ZeroOrOne(std::int32_t stored)
{
    return stored == 0 || stored == 1;
}

bool IsSpeakMode(std::int32_t stored)
{
    return stored >= 0 && stored <= static_cast<std::int32_t>(SpeakMode::WarningAndEnd);
}

constexpr const char* kSpeakNames[] = {"off", "end", "warning and end"};

std::string WriteSpeak(std::int32_t mode, const KeyNamer&)
{
    return kSpeakNames[IsSpeakMode(mode) ? mode : 0];
}

// Anything but the three is off, brought into range.
bool ReadSpeak(const std::string& text, std::int32_t* value)
{
    *value = 0;
    for (std::int32_t mode = 0; mode < static_cast<std::int32_t>(std::size(kSpeakNames)); ++mode) {
        if (text == kSpeakNames[mode]) *value = mode;
    }
    return *value != 0 || text == kSpeakNames[0];
}

std::string OnOff(std::int32_t on, const KeyNamer&)
{
    return on ? "on" : "off";
}

// "on" or "off"; anything else is off and brought into range.
bool ReadOnOff(const std::string& text, std::int32_t* value)
{
    *value = text == "on";
    return text == "on" || text == "off";
}

// The icon by its place in the editor's catalogue (1 to 24), or an icon code of its own.
std::string WriteIcon(std::int32_t code, const KeyNamer&)
{
    const std::int32_t place = g_iconCatalogue.IndexOf(code);
    return std::to_string(place >= 0 ? place + 1 : code);
}

bool ReadIcon(const std::string& text, std::int32_t* value)
{
    long long number = 0;
    if (!Number(text, &number)) return false;
    if (number >= 1 && number <= 24) *value = g_iconCatalogue.CodeAt(static_cast<std::int32_t>(number - 1));
    if (number >= 1000 && number <= 0x7FFFFFFF) *value = static_cast<std::int32_t>(number);
    return (number >= 1 && number <= 24) || (number >= 1000 && number <= 0x7FFFFFFF);
}

bool IsCooldown(std::int32_t stored)
{
    return stored >= 0 && stored <= kLongestSetTime;
}

// A time the editor could set; anything else is none, brought into range.
bool ReadCooldown(const std::string& text, std::int32_t* value)
{
    long long number = 0;
    const bool inRange = ParseTime(text, &number) && number <= kLongestSetTime;
    *value = inRange ? static_cast<std::int32_t>(number) : 0;
    return inRange;
}

std::string WriteTime(std::int32_t seconds, const KeyNamer&)
{
    return FormatTime(seconds);
}

bool ReadTime(const std::string& text, std::int32_t* value)
{
    long long number = 0;
    if (!ParseTime(text, &number)) return false;
    *value = number > kLongestSetTime ? kLongestSetTime : static_cast<std::int32_t>(number);
    return number <= kLongestSetTime;
}

// The key's name, and the code that counts.
std::string WriteKey(std::int32_t key, const KeyNamer& keyName)
{
    return keyName(static_cast<Trigger>(key)) + " (" + std::to_string(static_cast<Trigger>(key)) + ")";
}

bool ReadKey(const std::string& text, std::int32_t* value)
{
    Trigger key = kNoTrigger;
    if (!ParseKey(text, &key)) return false;
    *value = static_cast<std::int32_t>(key);
    return true;
}

std::string WritePress(std::int32_t press, const KeyNamer&)
{
    return press == static_cast<std::int32_t>(SecondPress::Restart) ? "restart" : "stop";
}

bool ReadPress(const std::string& text, std::int32_t* value)
{
    *value = static_cast<std::int32_t>(text == "restart" ? SecondPress::Restart : SecondPress::Stop);
    return text == "stop" || text == "restart";
}


bool IsSound(std::int32_t stored)
{
    return stored >= 0 && stored <= static_cast<std::int32_t>(EndSound::None);
}

std::string WriteSound(std::int32_t sound, const KeyNamer&)
{
    return IsSound(sound) ? kSoundNames[sound] : kSoundNames[0];
}

bool ReadSound(const std::string& text, std::int32_t* value)
{
    for (std::int32_t sound = 0; sound <= static_cast<std::int32_t>(EndSound::None); ++sound) {
        if (text != kSoundNames[sound]) continue;
        *value = sound;
        return true;
    }
    return false;
}

std::size_t LastRowOfSlotPart()
{
    std::size_t last = 0;
    for (std::size_t row = 0; row < kSlotFields.size(); ++row) {
        if (kSlotFields[row].part == SlotPart::Slot) last = row;
    }
    return last;
}

}  // namespace

const std::array<SlotField, 10> kSlotFields = {{
    {"Icon", SlotPart::Slot, "icon", [](const SlotRecord& r) { return r.icon; },
     [](SlotRecord& r, std::int32_t v) { r.icon = v; }, Any, WriteIcon, ReadIcon},
    {"Time", SlotPart::Slot, "time", [](const SlotRecord& r) { return r.duration; },
     [](SlotRecord& r, std::int32_t v) { r.duration = v; }, Any, WriteTime, ReadTime},
    {"Cooldown", SlotPart::Cooldown, "cooldown", [](const SlotRecord& r) { return r.cooldown; },
     [](SlotRecord& r, std::int32_t v) { r.cooldown = v; }, IsCooldown, WriteTime, ReadCooldown, true},
    {"Key", SlotPart::Keys, "key", [](const SlotRecord& r) { return static_cast<std::int32_t>(r.key); },
     [](SlotRecord& r, std::int32_t v) { r.key = static_cast<Trigger>(v); }, Any, WriteKey, ReadKey},
    {"Press", SlotPart::Keys, "second press", [](const SlotRecord& r) { return static_cast<std::int32_t>(r.press); },
     [](SlotRecord& r, std::int32_t v) { r.press = static_cast<SecondPress>(v); }, ZeroOrOne, WritePress, ReadPress},
    {"Sound", SlotPart::Alerts, "sound", [](const SlotRecord& r) { return static_cast<std::int32_t>(r.sound); },
     [](SlotRecord& r, std::int32_t v) { r.sound = static_cast<EndSound>(v); }, IsSound, WriteSound, ReadSound},
    {"Warn", SlotPart::Alerts, "warning", [](const SlotRecord& r) { return static_cast<std::int32_t>(r.warn); },
     [](SlotRecord& r, std::int32_t v) { r.warn = v != 0; }, ZeroOrOne, OnOff, ReadOnOff},
    {"Repeat", SlotPart::Alerts, "repeat", [](const SlotRecord& r) { return static_cast<std::int32_t>(r.repeat); },
     [](SlotRecord& r, std::int32_t v) { r.repeat = v != 0; }, ZeroOrOne, OnOff, ReadOnOff},
    {"Speak", SlotPart::Alerts, "speak", [](const SlotRecord& r) { return static_cast<std::int32_t>(r.speak); },
     [](SlotRecord& r, std::int32_t v) { r.speak = static_cast<SpeakMode>(v); }, IsSpeakMode, WriteSpeak, ReadSpeak},
    {"CountUp", SlotPart::Alerts, "count up", [](const SlotRecord& r) { return static_cast<std::int32_t>(r.countUp); },
     [](SlotRecord& r, std::int32_t v) { r.countUp = v != 0; }, ZeroOrOne, OnOff, ReadOnOff},
}};

SlotRecord DefaultSlotRecord(int slot)
{
    const TimerSlot& builtIn = g_timerSlotDefaults[slot];
    return {builtIn.icon, builtIn.duration, SlotName(builtIn), DefaultTrigger(slot), SecondPress::Stop,
            EndSound::Chime, false, false, SpeakMode::Off, 0, false};
}

SlotRecords DefaultSlotRecords()
{
    SlotRecords records;
    for (int i = 0; i < kTimerSlotCount; ++i) records[static_cast<std::size_t>(i)] = DefaultSlotRecord(i);
    return records;
}

SlotRecords RecordsOf(const TimerSlot* slots, const SlotTriggers& triggers, const SlotAlerts& alerts)
{
    SlotRecords records;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        records[static_cast<std::size_t>(i)] = {slots[i].icon,     slots[i].duration, SlotName(slots[i]),
                                                triggers.key[i],   triggers.press[i], alerts.sound[i],
                                                alerts.warn[i],    alerts.repeat[i],  alerts.speak[i],
                                                slots[i].cooldown, alerts.countUp[i]};
    }
    return records;
}

void TakeRecords(const SlotRecords& records, TimerSlot* slots, SlotTriggers& triggers, SlotAlerts& alerts)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const SlotRecord& record = records[static_cast<std::size_t>(i)];
        slots[i].icon = record.icon;
        slots[i].duration = record.duration;
        slots[i].cooldown = record.cooldown;
        // Names come cut to their field (on a character's end) by whoever made the record.
        const std::size_t length = std::min(record.name.size(), static_cast<std::size_t>(kSlotNameSize - 1));
        std::memcpy(slots[i].name, record.name.data(), length);
        std::memset(slots[i].name + length, 0, kSlotNameSize - length);
        triggers.key[i] = record.key;
        triggers.press[i] = record.press;
        alerts.sound[i] = record.sound;
        alerts.warn[i] = record.warn;
        alerts.repeat[i] = record.repeat;
        alerts.speak[i] = record.speak;
        alerts.countUp[i] = record.countUp;
    }
}

bool TakeChangedValues(SlotPart part, const SlotRecords& shown, const SlotRecords& edited, SlotRecords& into)
{
    bool changed = false;
    for (std::size_t i = 0; i < into.size(); ++i) {
        for (const SlotField& field : kSlotFields) {
            if (field.part != part || field.get(edited[i]) == field.get(shown[i])) continue;
            field.put(into[i], field.get(edited[i]));
            changed = true;
        }
    }
    return changed;
}

void ReadSlotPart(SettingsProfile& profile, const char* section, SlotPart part, SlotRecords& records)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        SlotRecord& record = records[static_cast<std::size_t>(i)];
        for (const SlotField& field : kSlotFields) {
            if (field.part != part) continue;
            const std::int32_t stored = profile.GetInt(section, Entry(field.entry, i).c_str(), field.get(record));
            if (field.takes(stored)) field.put(record, stored);
        }
        if (part != SlotPart::Slot) continue;
        char name[kSlotNameSize];
        CopySlotName(name, profile.GetString(section, Entry("Name", i).c_str(), ""), profile);
        record.name = name;
    }
    if (part != SlotPart::Keys) return;
    SlotTriggers keys = DefaultSlotTriggers();
    for (int i = 0; i < kTimerSlotCount; ++i) keys.key[i] = records[static_cast<std::size_t>(i)].key;
    SettleSlotKeys(keys);
    for (int i = 0; i < kTimerSlotCount; ++i) records[static_cast<std::size_t>(i)].key = keys.key[i];
}

void WriteSlotPart(SettingsProfile& profile, const char* section, SlotPart part, const SlotRecords& records,
                   const SlotRecords* before, int only)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        if (only >= 0 && i != only) continue;
        const SlotRecord& record = records[static_cast<std::size_t>(i)];
        for (const SlotField& field : kSlotFields) {
            if (field.part != part) continue;
            const std::string entry = Entry(field.entry, i);
            if (before && field.get((*before)[static_cast<std::size_t>(i)]) == field.get(record)) continue;
            if (!before && field.quietAtZero && field.get(record) == 0 && profile.GetInt(section, entry.c_str(), 0) == 0) {
                continue;
            }
            profile.WriteInt(section, entry.c_str(), field.get(record));
        }
        if (part == SlotPart::Slot && (!before || (*before)[static_cast<std::size_t>(i)].name != record.name)) {
            profile.WriteString(section, Entry("Name", i).c_str(), record.name);
        }
    }
}

std::string FormatSlotLines(int slot, const SlotRecord& record, const KeyNamer& keyName)
{
    const std::string prefix = "slot " + std::to_string(slot + 1) + " ";
    std::string text;
    for (std::size_t row = 0; row < kSlotFields.size(); ++row) {
        const SlotField& field = kSlotFields[row];
        text += prefix + field.line + " = " + field.write(field.get(record), keyName) + "\n";
        if (row == LastRowOfSlotPart()) text += prefix + "name = " + record.name + "\n";
    }
    return text;
}

bool ReadSlotLine(SlotRecord& record, const std::string& what, const std::string& text)
{
    if (what == "name") {
        record.name = text;
        return true;
    }
    for (const SlotField& field : kSlotFields) {
        if (what != field.line) continue;
        std::int32_t value = field.get(record);
        const bool inRange = field.read(text, &value);
        field.put(record, value);
        return inRange;
    }
    return true;  // a line it does not know is passed over
}

namespace {

// A part of the records of a set, from and into the values as the program holds them.
SlotRecords KeysAndAlertsRecords(const SlotTriggers& triggers, const SlotAlerts& alerts)
{
    TimerSlot slots[kTimerSlotCount];
    std::copy(std::begin(g_timerSlotDefaults), std::end(g_timerSlotDefaults), slots);
    return RecordsOf(slots, triggers, alerts);
}

}  // namespace

void LoadSlotSettings(SettingsProfile& profile, TimerSlot* slots, const char* section)
{
    SlotRecords records = RecordsOf(slots, DefaultSlotTriggers(), DefaultSlotAlerts());
    ReadSlotPart(profile, section, SlotPart::Slot, records);
    SlotTriggers triggers = DefaultSlotTriggers();
    SlotAlerts alerts = DefaultSlotAlerts();
    TakeRecords(records, slots, triggers, alerts);
}

void LoadSlotCooldowns(SettingsProfile& profile, TimerSlot* slots, const char* section)
{
    SlotRecords records = RecordsOf(slots, DefaultSlotTriggers(), DefaultSlotAlerts());
    for (SlotRecord& record : records) record.cooldown = 0;
    ReadSlotPart(profile, section, SlotPart::Cooldown, records);
    for (int i = 0; i < kTimerSlotCount; ++i) slots[i].cooldown = records[static_cast<std::size_t>(i)].cooldown;
}

void SaveSlotSetting(SettingsProfile& profile, const TimerSlot* slots, int index, const char* section)
{
    WriteSlotPart(profile, section, SlotPart::Slot, RecordsOf(slots, DefaultSlotTriggers(), DefaultSlotAlerts()),
                  nullptr, index);
}

void SaveSlotSettings(SettingsProfile& profile, const TimerSlot* slots, const char* section)
{
    for (int i = 0; i < kTimerSlotCount; ++i) SaveSlotSetting(profile, slots, i, section);
}

void ReadSlotKeys(SettingsProfile& profile, const char* section, SlotTriggers& triggers)
{
    SlotRecords records = KeysAndAlertsRecords(DefaultSlotTriggers(), DefaultSlotAlerts());
    ReadSlotPart(profile, section, SlotPart::Keys, records);
    TimerSlot slots[kTimerSlotCount];
    SlotAlerts alerts = DefaultSlotAlerts();
    SlotTriggers keys = triggers;
    TakeRecords(records, slots, keys, alerts);
    TakeSlotKeys(triggers, keys);
}

void WriteSlotKeys(SettingsProfile& profile, const char* section, const SlotTriggers& triggers)
{
    WriteSlotPart(profile, section, SlotPart::Keys, KeysAndAlertsRecords(triggers, DefaultSlotAlerts()));
}

SlotAlerts ReadSlotAlerts(SettingsProfile& profile, const char* section)
{
    SlotRecords records = KeysAndAlertsRecords(DefaultSlotTriggers(), DefaultSlotAlerts());
    ReadSlotPart(profile, section, SlotPart::Alerts, records);
    TimerSlot slots[kTimerSlotCount];
    SlotTriggers triggers = DefaultSlotTriggers();
    SlotAlerts alerts = DefaultSlotAlerts();
    TakeRecords(records, slots, triggers, alerts);
    return alerts;
}

void WriteSlotAlerts(SettingsProfile& profile, const char* section, const SlotAlerts& alerts,
                     const SlotAlerts& before)
{
    const SlotRecords was = KeysAndAlertsRecords(DefaultSlotTriggers(), before);
    WriteSlotPart(profile, section, SlotPart::Alerts, KeysAndAlertsRecords(DefaultSlotTriggers(), alerts), &was);
}

SlotTriggers ReadSlotTriggers(SettingsProfile& profile)
{
    SlotTriggers triggers = DefaultSlotTriggers();
    ReadSlotKeys(profile, kSectionOption, triggers);
    const std::int32_t lockout = profile.GetInt(kSectionOption, "KeyLockout", 0);
    triggers.lockoutMs = lockout >= 0 && lockout <= kLongestLockoutMs ? lockout : 0;
    const auto pause = static_cast<std::uint32_t>(profile.GetInt(kSectionOption, "PauseKey", 0));
    if (IsUsableTrigger(pause)) triggers.pause = pause;
    const auto nextSet = static_cast<std::uint32_t>(profile.GetInt(kSectionOption, "NextSetKey", 0));
    if (IsUsableTrigger(nextSet) && nextSet != triggers.pause) triggers.nextSet = nextSet;
    const auto readAll = static_cast<std::uint32_t>(profile.GetInt(kSectionOption, "ReadAllKey", 0));
    if (IsUsableTrigger(readAll) && readAll != triggers.pause && readAll != triggers.nextSet) triggers.readAll = readAll;
    DropProgramKeys(triggers, triggers);
    return triggers;
}

void WriteSlotTriggers(SettingsProfile& profile, const SlotTriggers& triggers, const SlotTriggers& before)
{
    WriteSlotKeys(profile, kSectionOption, triggers);
    profile.WriteInt(kSectionOption, "KeyLockout", triggers.lockoutMs);
    // Written only by a player who sets them: the values stay as they were for everyone else.
    if (triggers.pause != before.pause) profile.WriteInt(kSectionOption, "PauseKey", static_cast<std::int32_t>(triggers.pause));
    if (triggers.nextSet != before.nextSet) {
        profile.WriteInt(kSectionOption, "NextSetKey", static_cast<std::int32_t>(triggers.nextSet));
    }
    if (triggers.readAll != before.readAll) {
        profile.WriteInt(kSectionOption, "ReadAllKey", static_cast<std::int32_t>(triggers.readAll));
    }
}
