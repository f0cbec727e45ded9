#include "model/SeeThrough.h"

#include "model/SettingsStore.h"

std::int32_t ReadOpacity(SettingsProfile& profile)
{
    const std::int32_t opacity = profile.GetInt(kSectionOption, kEntryOpacity, kOpaque);
    for (const std::int32_t choice : kOpacityChoices) {
        if (opacity == choice) return opacity;
    }
    return kOpaque;
}

std::uint8_t OpacityAlpha(std::int32_t opacity)
{
    const std::int32_t percent = opacity < 0 ? 0 : opacity > kOpaque ? kOpaque : opacity;
    return static_cast<std::uint8_t>((percent * 255 + 50) / 100);
}

BarSeeThrough DecideSeeThrough(const SeeThroughInput& input)
{
    BarSeeThrough look;
    const bool takesMouse = !input.clickThrough || (input.pointerOver && input.ctrlHeld) || input.mouseHeld;
    look.layered = input.opacity < kOpaque || input.clickThrough;
    look.passesClicks = !takesMouse;
    look.alpha = input.pointerOver && takesMouse ? 255 : OpacityAlpha(input.opacity);
    return look;
}
