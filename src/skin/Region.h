// Window outlines from skin bitmaps: every key-colour pixel is cut away.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "skin/RegionRuns.h"

constexpr COLORREF kKeyColour = RGB(255, 0, 255);

// A new region of exactly the bitmap's non-key pixels, or null (no bitmap,
// no DC, or no memory). The caller owns it. Only the three low bytes of the
// key colour and tolerance count, compared by the pixels' memory byte order.
HRGN CreateRegionFromBitmap(HBITMAP hBitmap, COLORREF keyColour, COLORREF tolerance);

// The region with every rectangle multiplied by `scale`, replacing (and
// deleting) the given one; null when it cannot be had.
HRGN ScaleRegion(HRGN hRegion, int scale);

// Gives the window the outline of one of the program's bitmap resources, with
// the key colour as its own tolerance, k times larger. Always TRUE.
BOOL ShapeWindowFromBitmap(HWND hWnd, WORD bitmapId, COLORREF keyColour, int scale = 1);

// The scan behind CreateRegionFromBitmap: copies the bitmap into a 32-bit
// bottom-up DIB and adds its runs to the batcher (without the final flush).
// False when a DC, the DIB or batch memory could not be had.
bool ScanBitmapRuns(HBITMAP hBitmap, COLORREF keyColour, COLORREF tolerance, RectBatcher& batcher);
