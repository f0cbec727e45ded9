#include "model/SettingsStore.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "model/Int32.h"

namespace {

std::string SlotEntry(const char* format, int index)
{
    char entry[16];
    std::snprintf(entry, sizeof entry, format, index);
    return entry;
}

// A position on one axis pulled inside [low, high); the low edge wins where
// the size does not fit. Computed in 64 bits: a stored position may be anywhere.
std::int32_t InsideAxis(std::int64_t position, std::int64_t low, std::int64_t high, std::int64_t size)
{
    if (position + size > high) position = high - size;
    if (position < low) position = low;
    return static_cast<std::int32_t>(position);
}

std::int32_t CentreAxis(std::int32_t low, std::int32_t high, std::int32_t size)
{
    return InsideAxis((std::int64_t{low} + high) / 2 - size / 2, low, high, size);
}

}  // namespace

void CopySlotName(char (&field)[kSlotNameSize], const std::string& text, const SettingsProfile& profile)
{
    const std::size_t limit = kSlotNameSize - 1;
    std::size_t kept = 0;
    for (std::size_t at = 0; at < text.size() && text[at] != '\0';) {
        const bool doubleByte = profile.IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size();
        const std::size_t next = at + (doubleByte ? 2 : 1);
        if (next > limit) break;
        kept = next;
        at = next;
    }
    std::memcpy(field, text.data(), kept);
    std::memset(field + kept, 0, kSlotNameSize - kept);
}

void LoadSlotSettings(SettingsProfile& profile, TimerSlot* slots)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        TimerSlot& slot = slots[i];
        slot.icon = profile.GetInt(kSectionSave, SlotEntry("Icon#%d", i).c_str(), slot.icon);
        slot.duration = profile.GetInt(kSectionSave, SlotEntry("Time#%d", i).c_str(), slot.duration);
        CopySlotName(slot.name, profile.GetString(kSectionSave, SlotEntry("Name#%d", i).c_str(), ""), profile);
    }
}

void SaveSlotSetting(SettingsProfile& profile, const TimerSlot* slots, int index)
{
    const TimerSlot& slot = slots[index];
    profile.WriteInt(kSectionSave, SlotEntry("Icon#%d", index).c_str(), slot.icon);
    profile.WriteInt(kSectionSave, SlotEntry("Time#%d", index).c_str(), slot.duration);
    profile.WriteString(kSectionSave, SlotEntry("Name#%d", index).c_str(), SlotName(slot));
}

void SaveSlotSettings(SettingsProfile& profile, const TimerSlot* slots)
{
    for (int i = 0; i < kTimerSlotCount; ++i) SaveSlotSetting(profile, slots, i);
}

std::optional<PixelPoint> ReadStoredPosition(SettingsProfile& profile, const char* leftName, const char* topName,
                                              const PixelRect& current)
{
    if (profile.GetInt(kSectionOption, leftName, kNoStoredPosition) == kNoStoredPosition) return std::nullopt;
    const std::int32_t left = profile.GetInt(kSectionOption, leftName, current.left);
    const std::int32_t top = profile.GetInt(kSectionOption, topName, current.top);
    return PixelPoint{left, top};
}

void WriteStoredPosition(SettingsProfile& profile, const char* leftName, const char* topName,
                         const PixelRect& current)
{
    profile.WriteInt(kSectionOption, leftName, current.left);
    profile.WriteInt(kSectionOption, topName, current.top);
}

PixelRect WindowRectAt(PixelPoint topLeft, std::int32_t width, std::int32_t height)
{
    return {topLeft.x, topLeft.y, ClampToInt32(std::int64_t{topLeft.x} + width),
            ClampToInt32(std::int64_t{topLeft.y} + height)};
}

PixelPoint CentreInWorkArea(const PixelRect& workArea, std::int32_t width, std::int32_t height)
{
    return {CentreAxis(workArea.left, workArea.right, width), CentreAxis(workArea.top, workArea.bottom, height)};
}

PixelPoint MoveInsideWorkArea(const PixelRect& workArea, const PixelRect& window)
{
    return {InsideAxis(window.left, workArea.left, workArea.right, window.Width()),
            InsideAxis(window.top, workArea.top, workArea.bottom, window.Height())};
}

PixelPoint PlaceBeside(const PixelRect& workArea, const PixelRect& beside, std::int32_t width, std::int32_t height)
{
    std::int32_t top = beside.bottom;
    if (top + height > workArea.bottom) top = beside.top - height;
    if (top < workArea.top) top = CentreInWorkArea(workArea, width, height).y;
    const std::int32_t left = beside.left + (beside.Width() - width) / 2;
    return MoveInsideWorkArea(workArea, WindowRectAt({left, top}, width, height));
}
