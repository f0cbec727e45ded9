// The registry layout of the slots, the window positions and the always-on-top
// choice, over any SettingsProfile.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

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

struct ScreenPoint {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const ScreenPoint& other) const { return x == other.x && y == other.y; }
};

struct ScreenRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
};

// Copies text into a slot's name field: at most kSlotNameSize - 1 bytes that
// end on a character boundary, so a double-byte character is never split.
void CopySlotName(char (&field)[kSlotNameSize], const std::string& text, const SettingsProfile& profile);

void LoadSlotSettings(SettingsProfile& profile, TimerSlot* slots);
void SaveSlotSettings(SettingsProfile& profile, const TimerSlot* slots);

// The stored position of a window whose rectangle is now `current`, or nothing
// when none is stored (the window is then centred).
std::optional<ScreenPoint> ReadStoredPosition(SettingsProfile& profile, const char* leftName, const char* topName,
                                              const ScreenRect& current);
void WriteStoredPosition(SettingsProfile& profile, const char* leftName, const char* topName,
                         const ScreenRect& current);

// Where a window of the given size sits when centred in a work area, pulled
// back inside the area where it would stick out.
ScreenPoint CentreInWorkArea(const ScreenRect& workArea, std::int32_t width, std::int32_t height);
