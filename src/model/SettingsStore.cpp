#include "model/SettingsStore.h"

#include <cstdint>
#include <cstring>

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
