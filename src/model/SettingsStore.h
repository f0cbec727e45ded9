// The registry layout of the slots, the window positions and the always-on-top
// choice, over any SettingsProfile.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/Geometry.h"
#include "model/SettingsProfile.h"
#include "model/TimerSlots.h"

constexpr char kSectionSave[] = "Save";
constexpr char kSectionOption[] = "Option";
constexpr char kEntryMainWinLeft[] = "MainWinLeft";
constexpr char kEntryMainWinTop[] = "MainWinTop";
constexpr char kEntryAlwaysOnTop[] = "AlwaysOnTop";
constexpr char kEntrySelectIconWinLeft[] = "SelectIconWinLeft";
constexpr char kEntrySelectIconWinTop[] = "SelectIconWinTop";

// A stored left edge of -1 means "no stored position".
constexpr std::int32_t kNoStoredPosition = -1;

// Copies text into a slot's name field: at most kSlotNameSize - 1 bytes that
// end on a character boundary, so a double-byte character is never split.
void CopySlotName(char (&field)[kSlotNameSize], const std::string& text, const SettingsProfile& profile);


// The stored position of a window whose rectangle is now `current`, or nothing
// when none is stored (the window is then centred).
std::optional<PixelPoint> ReadStoredPosition(SettingsProfile& profile, const char* leftName, const char* topName,
                                              const PixelRect& current);
void WriteStoredPosition(SettingsProfile& profile, const char* leftName, const char* topName,
                         const PixelRect& current);
