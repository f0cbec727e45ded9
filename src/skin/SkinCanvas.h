// The off-screen painting of a skinned window: the skin bitmap in a DC of its
// own, and a composition DC holding the frame bitmap. A frame is composed whole
// and reaches the screen in one block transfer, so nothing flickers. Frames are
// composed at 1x; a window at scale k shows each frame pixel as a k x k block.
#pragma once

#include "framework/Gdi.h"
#include "skin/Blit.h"

class SkinCanvas {
public:
    // Dresses a window in a skin: the window takes the skin's size (keeping its
    // top-left corner and place in the Z order) and outline, and the buffers
    // are made. Without its skin the window keeps its size and shape.
    void SkinWindow(HWND hWnd, UINT nIDSkin, int scale = 1);
    // Shows the window at another whole scale: its size and outline k times the
    // skin's, its top-left corner at `topLeft` (or where it is).
    void Rescale(HWND hWnd, int scale, const POINT* topLeft = nullptr);
    int Scale() const { return m_nScale; }
    // The 1x frame area a paint of the window's `paintRect` must compose.
    RECT FrameArea(const RECT& paintRect) const;
    // Marks a 1x frame area of the window for repainting.
    void InvalidateFrameArea(HWND hWnd, const RECT& area) const;
    // Loads the skin; its size is the window's and the frame's.
    bool LoadSkin(UINT nIDSkin);
    SIZE Size() const { return m_sizeSkin; }
    // Creates the composition DC, the sprite DC and the frame bitmap, compatible
    // with the window's display: after the window took the skin's size, and
    // again when the display's format changes.
    void CreateBuffers(HWND hWnd);

    // After a change of the display's format: the buffers and every prepared
    // sprite are made again in the new format, and the window repaints.
    void RebuildForDisplay(HWND hWnd);

    // Starts a frame over `area` (the whole window, or the part a paint must
    // cover): the skin is its background and drawing is clipped to it; the
    // rest of the frame keeps the last frame's pixels. Returns the composition
    // DC to draw shapes and texts in.
    HDC BeginFrame(const RECT& area);
    // Draws a prepared sprite into the frame; nothing for a null sprite.
    void DrawSprite(const KeyedSprite* pSprite, int x, int y);
    void DrawSprite(const KeyedSprite* pSprite, int x, int y, int width, int height);
    // Copies the frame's area to the paint DC in one transfer, k times larger
    // without filtering (a smoothing mode would fringe the key colour).
    void Present(HDC paintDC, const RECT& area) const;

private:
    // The bitmaps come first: the DCs holding them go before them. (Windows
    // refuses to delete a bitmap still selected into a DC and leaks it; Wine
    // deletes it all the same, so no test under Wine can show this order.)
    CBitmap m_bmpSkin;
    CBitmap m_bmpFrame;
    CDC m_dcCompose;  // holds m_bmpFrame
    CDC m_dcSkin;     // holds m_bmpSkin
    SIZE m_sizeSkin{0, 0};
    UINT m_nIDSkin = 0;
    int m_nScale = 1;
};
