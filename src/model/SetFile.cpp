#include "model/SetFile.h"

#include <cstdio>
#include <cstdlib>

#include "model/IconCatalogue.h"
#include "model/NameLimit.h"

namespace {

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string SlotField(int slot, const char* field)
{
    return "slot " + std::to_string(slot + 1) + " " + field;
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

const char* OnOff(bool on)
{
    return on ? "on" : "off";
}

// "on" or "off"; anything else is off and brought into range.
bool ParseSwitch(const std::string& value, bool* inRange)
{
    *inRange = value == "on" || value == "off";
    return value == "on";
}

}  // namespace

SetFileContent DefaultSetFileContent()
{
    SetFileContent content;
    const SlotTriggers keys = DefaultSlotTriggers();
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const TimerSlot& slot = g_timerSlotDefaults[i];
        content.slots[i] = {g_iconCatalogue.CodeOfSlotIcon(slot.icon), SlotName(slot), slot.duration, keys.key[i],
                            keys.press[i], EndSound::Chime, false, false};
    }
    return content;
}

std::string FormatSetFile(const SetFileContent& content, const KeyNamer& keyName)
{
    std::string text = std::string(kSetFileFirstLine) + "\n" + "name = " + content.name + "\n";
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const SetFileSlot& slot = content.slots[i];
        const std::int32_t place = g_iconCatalogue.IndexOf(slot.icon);
        text += SlotField(i, "icon") + " = " + std::to_string(place >= 0 ? place + 1 : slot.icon) + "\n";
        text += SlotField(i, "name") + " = " + slot.name + "\n";
        text += SlotField(i, "time") + " = " + FormatTime(slot.duration) + "\n";
        text += SlotField(i, "key") + " = " + keyName(slot.key) + " (" + std::to_string(slot.key) + ")\n";
        text += SlotField(i, "second press") + " = " +
                (slot.press == SecondPress::Restart ? "restart" : "stop") + "\n";
        text += SlotField(i, "sound") + " = " + kSoundNames[static_cast<int>(slot.sound)] + "\n";
        text += SlotField(i, "warning") + " = " + OnOff(slot.warn) + "\n";
        text += SlotField(i, "repeat") + " = " + OnOff(slot.repeat) + "\n";
    }
    return text;
}

namespace {

// One slot's value, `what` of "slot N what = value"; false where it was brought into range.
bool ParseSlotValue(SetFileSlot& slot, const SetFileSlot& defaults, const std::string& what, const std::string& value)
{
    long long number = 0;
    bool inRange = true;
    if (what == "icon") {
        const bool place = Number(value, &number) && number >= 1 && number <= 24;
        const bool code = Number(value, &number) && number >= 1000 && number <= 0x7FFFFFFF;
        inRange = place || code;
        slot.icon = place ? g_iconCatalogue.CodeAt(static_cast<std::int32_t>(number - 1))
                    : code ? static_cast<std::int32_t>(number)
                           : defaults.icon;
    } else if (what == "name") {
        slot.name = value;
    } else if (what == "time") {
        inRange = ParseTime(value, &number) && number <= kLongestSetTime;
        slot.duration = !ParseTime(value, &number) ? defaults.duration
                        : number > kLongestSetTime ? kLongestSetTime
                                                   : static_cast<std::int32_t>(number);
    } else if (what == "key") {
        Trigger key = kNoTrigger;
        inRange = ParseKey(value, &key);
        slot.key = inRange ? key : defaults.key;
    } else if (what == "second press") {
        inRange = value == "stop" || value == "restart";
        slot.press = value == "restart" ? SecondPress::Restart : SecondPress::Stop;
    } else if (what == "sound") {
        inRange = false;
        for (int sound = 0; sound <= static_cast<int>(EndSound::None); ++sound) {
            if (value != kSoundNames[sound]) continue;
            slot.sound = static_cast<EndSound>(sound);
            inRange = true;
        }
    } else if (what == "warning") {
        slot.warn = ParseSwitch(value, &inRange);
    } else if (what == "repeat") {
        slot.repeat = ParseSwitch(value, &inRange);
    }
    return inRange;
}

// A "field = value" line after the first: the set's name or a slot's value.
void ParseLine(ParsedSetFile& parsed, const SetFileContent& defaults, const std::string& line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return;
    const std::string field = Trim(line.substr(0, equals));
    const std::string value = Trim(line.substr(equals + 1));
    if (field == "name") {
        parsed.content.name = value;
        parsed.named = true;
        parsed.adjusted += ReplaceControlCharacters(parsed.content.name) ? 1 : 0;
        return;
    }
    long long slotNumber = 0;
    const std::size_t space = field.find(' ', 5);
    if (field.rfind("slot ", 0) != 0 || space == std::string::npos ||
        !Number(field.substr(5, space - 5), &slotNumber) || slotNumber < 1 || slotNumber > kTimerSlotCount) {
        return;
    }
    const auto i = static_cast<std::size_t>(slotNumber - 1);
    const bool inRange = ParseSlotValue(parsed.content.slots[i], defaults.slots[i], field.substr(space + 1), value);
    parsed.adjusted += inRange ? 0 : 1;
}

}  // namespace

ParsedSetFile ParseSetFile(const std::string& bytes)
{
    ParsedSetFile parsed;
    if (bytes.size() > kLargestSetFile) {
        parsed.problem = SetFileProblem::TooLarge;
        return parsed;
    }
    parsed.content = DefaultSetFileContent();
    const SetFileContent defaults = parsed.content;
    const std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
    bool first = true;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(at, end - at));
        at = end + 1;
        if (line.empty() || line[0] == '#') continue;
        if (first && line != kSetFileFirstLine) break;
        if (!first) ParseLine(parsed, defaults, line);
        first = false;
    }
    if (first) {
        parsed.problem = SetFileProblem::NotASet;
        return parsed;
    }
    // Keys as the registry rules take them: usable, none twice.
    SlotTriggers keys = DefaultSlotTriggers();
    for (int i = 0; i < kTimerSlotCount; ++i) keys.key[i] = parsed.content.slots[i].key;
    parsed.adjusted += SettleSlotKeys(keys);
    for (int i = 0; i < kTimerSlotCount; ++i) parsed.content.slots[i].key = keys.key[i];
    return parsed;
}
