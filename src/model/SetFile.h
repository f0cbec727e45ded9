// A set of slots as a text file to keep or to share (or the same text on the
// clipboard): UTF-8, the format's name and version on the first line, then
// one readable, hand-editable "field = value" line per value. Icons go by
// their place in the catalogue (1 to 24), times as h:mm:ss, keys by name and
// code ("Ctrl+3 (131123)"), sounds by their English names ("chime", "none"),
// switches as "on" or "off". No Windows here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "model/Alerts.h"
#include "model/TimerSlots.h"
#include "model/Triggers.h"

constexpr char kSetFileFirstLine[] = "Tavorin set 1";
constexpr std::size_t kLargestSetFile = 64 * 1024;
// The longest time a slot can be set to (the editor's 99:59:59).
constexpr std::int32_t kLongestSetTime = 99 * 3600 + 59 * 60 + 59;

struct SetFileSlot {
    std::int32_t icon;  // an icon code
    std::string name;   // UTF-8
    std::int32_t duration;
    Trigger key;
    SecondPress press;
    EndSound sound;
    bool warn;
    bool repeat;
};

struct SetFileContent {
    std::string name;  // UTF-8
    SetFileSlot slots[kTimerSlotCount];
};

// A key's name as the player reads it ("F5", "Ctrl+3", "마우스 옆 버튼 1").
using KeyNamer = std::function<std::string(Trigger)>;
std::string FormatSetFile(const SetFileContent& content, const KeyNamer& keyName);

enum class SetFileProblem { None, NotASet, TooLarge };
struct ParsedSetFile {
    SetFileProblem problem = SetFileProblem::None;
    SetFileContent content;
    int adjusted = 0;  // values brought into range (or back to their slot's default)
    bool named = false;  // it had a name line (control characters in it become spaces, counted)
};
// Missing values are the built-in slot's; odd ones are brought into range as
// the registry rules do, and counted. Lines it does not know are passed over.
ParsedSetFile ParseSetFile(const std::string& bytes);

// The built-in slots and keys, as a file would give them.
SetFileContent DefaultSetFileContent();
