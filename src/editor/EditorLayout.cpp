#include "editor/EditorLayout.h"

namespace {

constexpr HitRect IconCell(int cell)
{
    return {20 + 36 * (cell % 12), 35 + 35 * (cell / 12), 52 + 36 * (cell % 12), 67 + 35 * (cell / 12)};
}

// One time column: up arrow, digit box and down arrow share their borders.
constexpr HitRect Up(int left) { return {left, 130, left + 18, 148}; }
constexpr HitRect Digits(int left) { return {left, 148, left + 18, 170}; }
constexpr HitRect Down(int left) { return {left, 170, left + 18, 188}; }
constexpr HitRect Colon(int left) { return {left, 148, left + 30, 166}; }

// The name box in dialog units, and the base units of 9-point "굴림".
constexpr int kBoxX = 154, kBoxY = 84, kBoxCx = 87, kBoxCy = 15;
constexpr int kBaseUnitX = 6, kBaseUnitY = 12;

// Dialog units to pixels as the dialog manager converts them: rounded halves up.
constexpr std::int32_t Scale(int units, int baseUnit, int divisor)
{
    return (units * baseUnit * 2 + divisor) / (2 * divisor);
}

}  // namespace

const HitRect EditorHitRects[kEditorHitRectCount] = {
    IconCell(0),  IconCell(1),  IconCell(2),  IconCell(3),  IconCell(4),  IconCell(5),
    IconCell(6),  IconCell(7),  IconCell(8),  IconCell(9),  IconCell(10), IconCell(11),
    IconCell(12), IconCell(13), IconCell(14), IconCell(15), IconCell(16), IconCell(17),
    IconCell(18), IconCell(19), IconCell(20), IconCell(21), IconCell(22), IconCell(23),
    Up(80),       Digits(80),   Down(80),     Colon(100),
    Up(130),      Digits(130),  Down(130),    Colon(150),
    Up(180),      Digits(180),  Down(180),    Colon(200),  // the last "colon" is the spare box
    {300, 168, 342, 188},                                   // OK
    {360, 168, 402, 188},                                   // Cancel
};

// Three narrow columns, 23 pixels apart, in the skin's panel right of Cancel.
constexpr int kCooldownLeft = 409;
constexpr int kCooldownPitch = 23;
constexpr HitRect CooldownColumn(int column, int row)
{
    const HitRect rows[] = {Up(0), Digits(0), Down(0)};
    const int left = kCooldownLeft + kCooldownPitch * column;
    return {left, rows[row].top, left + 18, rows[row].bottom};
}

const HitRect CooldownHitRects[kCooldownPlaceCount] = {
    CooldownColumn(0, 0), CooldownColumn(0, 1), CooldownColumn(0, 2),
    CooldownColumn(1, 0), CooldownColumn(1, 1), CooldownColumn(1, 2),
    CooldownColumn(2, 0), CooldownColumn(2, 1), CooldownColumn(2, 2),
};
const HitRect CooldownColons[2] = {{kCooldownLeft + 18, 148, kCooldownLeft + kCooldownPitch, 166},
                                   {kCooldownLeft + 18 + kCooldownPitch, 148, kCooldownLeft + 2 * kCooldownPitch, 166}};

const HitRect& EditorPlaceRect(int place)
{
    return IsCooldownPlace(place) ? CooldownHitRects[place - CooldownHourUp] : EditorHitRects[place];
}

int EditorPlaceAt(std::int32_t x, std::int32_t y)
{
    const int place = FindHitRect(EditorHitRects, kEditorHitRectCount, x, y);
    if (place >= 0) return place;
    const int cooldown = FindHitRect(CooldownHitRects, kCooldownPlaceCount, x, y);
    return cooldown >= 0 ? CooldownHourUp + cooldown : -1;
}

PixelRect NameBoxRect()
{
    const std::int32_t left = Scale(kBoxX, kBaseUnitX, 4);
    const std::int32_t top = Scale(kBoxY, kBaseUnitY, 8);
    return {left, top, left + Scale(kBoxCx, kBaseUnitX, 4), top + Scale(kBoxCy, kBaseUnitY, 8)};
}
