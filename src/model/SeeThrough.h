// How the bar shows over a game: its opacity ("Opacity" in "Option": 100, 80,
// 60 or 40 per cent) and whether clicks pass through it to the window beneath
// (the play option "ClickThrough"). No Windows here.
#pragma once

#include <cstdint>

#include "model/SettingsProfile.h"

constexpr char kEntryOpacity[] = "Opacity";
constexpr std::int32_t kOpaque = 100;
constexpr std::int32_t kOpacityChoices[] = {100, 80, 60, 40};

// The stored opacity; anything but one of the choices reads as opaque.
std::int32_t ReadOpacity(SettingsProfile& profile);
// The window's one alpha for an opacity in per cent (60 gives 153).
std::uint8_t OpacityAlpha(std::int32_t opacity);

// What the bar is, from the choices and the pointer: a layered window at all
// (never while fully opaque with clicks taken, as the bar always was), its
// alpha, and whether clicks pass through to the window beneath.
struct BarSeeThrough {
    bool layered = false;
    std::uint8_t alpha = 255;
    bool passesClicks = false;
    bool operator==(const BarSeeThrough& other) const
    {
        return layered == other.layered && alpha == other.alpha && passesClicks == other.passesClicks;
    }
    bool operator!=(const BarSeeThrough& other) const { return !(*this == other); }
};

struct SeeThroughInput {
    std::int32_t opacity = kOpaque;
    bool clickThrough = false;
    bool pointerOver = false;  // the pointer is over the bar
    bool ctrlHeld = false;
    bool mouseHeld = false;  // the bar holds the mouse (a drag under way)
};

// Clicks pass through unless Ctrl is held over the bar or a drag holds the
// mouse; a bar that takes the mouse shows in full while the pointer is over
// it, so that a glance reads it and a click aims.
BarSeeThrough DecideSeeThrough(const SeeThroughInput& input);
