// The editor's fixed layout: its 38 hit rectangles and the name box.
#pragma once

#include "skin/HitRects.h"

// Indexes into EditorHitRects. Cells 0 to 23 show catalogue entries 0 to 23.
enum EditorPlace : int {
    kIconCellFirst = 0,
    kIconCellCount = 24,
    HourUp = 24,
    HourDigits,
    HourDown,
    HourColon,
    MinuteUp,
    MinuteDigits,
    MinuteDown,
    MinuteColon,
    SecondUp,
    SecondDigits,
    SecondDown,
    SpareBox,
    OkButton,
    CancelButton,
    kEditorHitRectCount,
};

extern const HitRect EditorHitRects[kEditorHitRectCount];

// Right of the buttons, beside the duration: the cooldown's three columns,
// each an up arrow, a digit box and a down arrow.
enum CooldownPlace : int {
    CooldownHourUp = kEditorHitRectCount,
    CooldownHourDigits,
    CooldownHourDown,
    CooldownMinuteUp,
    CooldownMinuteDigits,
    CooldownMinuteDown,
    CooldownSecondUp,
    CooldownSecondDigits,
    CooldownSecondDown,
    kEditorPlaceEnd,
};
constexpr int kCooldownPlaceCount = kEditorPlaceEnd - CooldownHourUp;
extern const HitRect CooldownHitRects[kCooldownPlaceCount];
// Between the cooldown's columns.
extern const HitRect CooldownColons[2];

inline bool IsCooldownPlace(int place)
{
    return place >= CooldownHourUp && place < kEditorPlaceEnd;
}
// The rectangle of any place, the cooldown's included.
const HitRect& EditorPlaceRect(int place);
// The place under a point, or -1.
int EditorPlaceAt(std::int32_t x, std::int32_t y);

// In the title strip, right of the skin's own title: the edited set's name.
constexpr HitRect kEditorSetNameRect{130, 4, 468, 26};

inline bool IsIconCell(int place)
{
    return place >= kIconCellFirst && place < kIconCellFirst + kIconCellCount;
}

// The name box's pixel rectangle: the template's place in dialog units, laid
// out with the base units of the 9-point "굴림" the skin was drawn for, so the
// box sits where the skin leaves room for it whichever face the system has.
PixelRect NameBoxRect();
