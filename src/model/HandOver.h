// The hand-over to a copy started as administrator: the old copy starts the
// new one with "/takeover:<its process id>" as the whole of its arguments,
// and leaves its running timers' ends in the registry with a mark naming
// itself ("HandOver" in section "Save"), so that the new copy takes those
// ends and no others. No Windows here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/SettingsProfile.h"

constexpr char kEntryHandOver[] = "HandOver";

// The process a start takes over from: the whole argument after the program's
// name is "/takeover:" and a plain decimal from 1 to 0xFFFFFFFF. Nothing for
// any other command line.
std::optional<std::uint32_t> TakeOverFrom(const std::wstring& commandLine);
// The arguments that ask for it.
std::wstring TakeOverArguments(std::uint32_t processId);

// The mark, the ends beside it, and whether a copy taking over from `from`
// finds a hand-over of that copy (the mark is cleared either way).
void MarkHandOver(SettingsProfile& profile, std::uint32_t from);
bool TakeHandOverMark(SettingsProfile& profile, std::uint32_t from);
