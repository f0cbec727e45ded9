// Colour-keyed sprites and outlines for the skinned windows.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "framework/Gdi.h"
#include "skin/WinRect.h"

// A sprite made ready to draw with its key colour left out: its image with the
// key pixels blackened and a one-bit mask of those pixels, both prepared once
// in the display's format and each kept selected in a DC of its own. A draw is
// then two block transfers (selecting bitmaps in and out for every draw costs
// far more than the transfers themselves).
class KeyedSprite {
public:
    KeyedSprite() = default;
    ~KeyedSprite() { Release(); }
    KeyedSprite(const KeyedSprite&) = delete;
    KeyedSprite& operator=(const KeyedSprite&) = delete;

    // Prepares the whole bitmap for drawing into DCs like referenceDC; with
    // `faded`, each of its own pixels taken halfway to white (a slot not
    // ready). False, and nothing to draw, when the bitmap or the GDI objects
    // could not be had.
    bool Prepare(HDC referenceDC, HBITMAP hSprite, COLORREF keyColour, bool faded = false);

    // Draws the top-left width x height of the sprite at (x, y) of destDC,
    // leaving destDC alone under the key pixels.
    void Draw(HDC destDC, int x, int y, int width, int height) const;

    bool IsReady() const { return m_bReady; }
    SIZE Size() const { return m_size; }

private:
    void Release();

    CBitmap m_bmpColour;  // the sprite, its key pixels black
    CBitmap m_bmpMask;    // one bit per pixel: 1 on the key pixels
    CDC m_dcColour;       // holds m_bmpColour while the sprite lives
    CDC m_dcMask;         // holds m_bmpMask while the sprite lives
    HGDIOBJ m_hOldColour = nullptr;
    HGDIOBJ m_hOldMask = nullptr;
    SIZE m_size{0, 0};
    bool m_bReady = false;
};

// Outlines the rectangle with the DC's current pen, through the right and
// bottom coordinates themselves, without filling it.
void DrawFrameRect(HDC hDC, RECT rect);
