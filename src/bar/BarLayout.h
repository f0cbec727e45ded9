// The bar's fixed layout: its hit rectangles and where icons and names go.
#pragma once

#include <cstdint>

#include "skin/HitRects.h"

constexpr int kBarHitRectCount = 20;
constexpr int kBarTimeBoxFirst = 9;   // rectangles 9 to 17: the time boxes
constexpr int kBarPinRect = 18;
constexpr int kBarCloseRect = 19;

// 0-8 icon boxes of slots 1-9, 9-17 their time boxes, 18 the pin, 19 close.
extern const HitRect BarHitRects[kBarHitRectCount];

// Top-left of an icon of the given size in its box: centred, and while the
// slot runs 2 pixels left in odd seconds and 2 pixels right in even ones.
PixelPoint BarIconPosition(const HitRect& box, std::int32_t width, std::int32_t height, bool running,
                          std::int32_t now);

// Where the slot number is right-aligned: 2 pixels before the icon box.
HitRect BarNumberRect(const HitRect& iconBox);

// The column a slot's time may use: its time box widened by half the gap to
// each neighbour, so that the columns tile the row.
HitRect BarTimeColumn(const HitRect& timeBox);

// Where a hovered slot's name of width cx goes: centred under the time box,
// pushed right to start at 0 and left to end at the window's width.
HitRect BarNameRect(const HitRect& timeBox, std::int32_t cx, std::int32_t windowWidth);
