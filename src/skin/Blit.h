// Colour-keyed sprite drawing and outlines for the skinned windows.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Copies the sprite selected in spriteDC (from its 0, 0) to destDC at (x, y),
// leaving destDC untouched wherever the sprite has the key colour. Relies on
// destDC keeping a fresh DC's colours: black text, white background. hWnd lends
// a DC to make compatible scratch DCs and bitmaps from.
void DrawTransparent(HWND hWnd, HDC destDC, int x, int y, int width, int height, HDC spriteDC,
                     COLORREF keyColour);

// Outlines the rectangle with the DC's current pen, through the right and
// bottom coordinates themselves, without filling it.
void DrawFrameRect(HDC hDC, RECT rect);
