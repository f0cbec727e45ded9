#include "model/SetFile.h"

#include "model/IconCatalogue.h"
#include "model/NameLimit.h"

namespace {

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A slot's number, 1 to 9, as a line's field starts ("slot 3 time", its value's name after 7 characters); 0 for none.
int SlotNumber(const std::string& field, std::size_t space)
{
    if (field.rfind("slot ", 0) != 0 || space == std::string::npos || space != 6) return 0;
    const char digit = field[5];
    return digit >= '1' && digit <= '0' + kTimerSlotCount ? digit - '0' : 0;
}

}  // namespace

SetFileContent DefaultSetFileContent()
{
    SetFileContent content;
    content.slots = DefaultSlotRecords();
    for (SlotRecord& slot : content.slots) slot.icon = g_iconCatalogue.CodeOfSlotIcon(slot.icon);
    return content;
}

std::string FormatSetFile(const SetFileContent& content, const KeyNamer& keyName)
{
    std::string text = std::string(kSetFileFirstLine) + "\n" + "name = " + content.name + "\n";
    for (int i = 0; i < kTimerSlotCount; ++i) text += FormatSlotLines(i, content.slots[static_cast<std::size_t>(i)], keyName);
    return text;
}

namespace {

// A "field = value" line after the first: the set's name or a slot's value.
void ParseLine(ParsedSetFile& parsed, const std::string& line)
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
    const int slotNumber = SlotNumber(field, field.find(' ', 5));
    if (slotNumber == 0) return;
    const auto i = static_cast<std::size_t>(slotNumber - 1);
    parsed.adjusted += ReadSlotLine(parsed.content.slots[i], field.substr(7), value) ? 0 : 1;
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
    const std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
    bool first = true;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(at, end - at));
        at = end + 1;
        if (line.empty() || line[0] == '#') continue;
        if (first && line != kSetFileFirstLine) break;
        if (!first) ParseLine(parsed, line);
        first = false;
    }
    if (first) {
        parsed.problem = SetFileProblem::NotASet;
        return parsed;
    }
    // Keys as the registry rules take them: usable, none twice.
    SlotTriggers keys = DefaultSlotTriggers();
    for (int i = 0; i < kTimerSlotCount; ++i) keys.key[i] = parsed.content.slots[static_cast<std::size_t>(i)].key;
    parsed.adjusted += SettleSlotKeys(keys);
    for (int i = 0; i < kTimerSlotCount; ++i) parsed.content.slots[static_cast<std::size_t>(i)].key = keys.key[i];
    return parsed;
}
