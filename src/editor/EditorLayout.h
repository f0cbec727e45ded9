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
