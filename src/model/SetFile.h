// A set of slots as a text file to keep or to share (or the same text on the
// clipboard): UTF-8, the format's name and version on the first line, then
// one readable, hand-editable "field = value" line per value. Icons go by
// their place in the catalogue (1 to 24), times as h:mm:ss, keys by name and
// code ("Ctrl+3 (131123)"), sounds by their English names ("chime", "none"),
// switches as "on" or "off". No Windows here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/SlotFields.h"

constexpr char kSetFileFirstLine[] = "Tavorin set 1";
constexpr std::size_t kLargestSetFile = 64 * 1024;
// A set as its file holds it: its slots' records with each icon as an icon
// code and each name in UTF-8.
struct SetFileContent {
    std::string name;  // UTF-8
    SlotRecords slots;
};
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
