#include "model/SettingsStore.h"

#include <cstdint>
#include <cstdio>
#include <cstring>


namespace {

std::string SlotEntry(const char* format, int index)
{
    char entry[16];
    std::snprintf(entry, sizeof entry, format, index);
    return entry;
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

void LoadSlotSettings(SettingsProfile& profile, TimerSlot* slots, const char* section)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        TimerSlot& slot = slots[i];
        slot.icon = profile.GetInt(section, SlotEntry("Icon#%d", i).c_str(), slot.icon);
        slot.duration = profile.GetInt(section, SlotEntry("Time#%d", i).c_str(), slot.duration);
        CopySlotName(slot.name, profile.GetString(section, SlotEntry("Name#%d", i).c_str(), ""), profile);
    }
}

void SaveSlotSetting(SettingsProfile& profile, const TimerSlot* slots, int index, const char* section)
{
    const TimerSlot& slot = slots[index];
    profile.WriteInt(section, SlotEntry("Icon#%d", index).c_str(), slot.icon);
    profile.WriteInt(section, SlotEntry("Time#%d", index).c_str(), slot.duration);
    profile.WriteString(section, SlotEntry("Name#%d", index).c_str(), SlotName(slot));
}

void SaveSlotSettings(SettingsProfile& profile, const TimerSlot* slots, const char* section)
{
    for (int i = 0; i < kTimerSlotCount; ++i) SaveSlotSetting(profile, slots, i, section);
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
