// The off-screen painting of a skinned window: the skin bitmap, a composition
// DC holding the frame bitmap while a frame is composed, and a sprite DC that
// is the source of every copy. A frame is composed whole and reaches the screen
// in one block transfer, so nothing flickers.
#pragma once

#include "framework/Gdi.h"

class SkinCanvas {
public:
    // Loads the skin; its size is the window's and the frame's.
    bool LoadSkin(UINT nIDSkin);
    SIZE Size() const { return m_sizeSkin; }
    // Creates the composition DC, the sprite DC and the frame bitmap, compatible
    // with the window's display; once, after the window took the skin's size.
    void CreateBuffers(HWND hWnd);

    // Starts a frame: the frame bitmap goes into the composition DC, the skin
    // is its background. Returns the composition DC to draw shapes and texts in.
    HDC BeginFrame();
    // Draws a colour-keyed sprite into the frame at its own size.
    void DrawSprite(HWND hWnd, HBITMAP hSprite, int x, int y);
    // Draws a colour-keyed sprite into the frame at a given size.
    void DrawSprite(HWND hWnd, HBITMAP hSprite, int x, int y, int width, int height);
    // Copies the whole frame to the paint DC in one transfer.
    void Present(HDC paintDC) const;

    HDC ComposeDC() const { return m_dcCompose; }

private:
    CBitmap m_bmpSkin;
    CBitmap m_bmpFrame;
    CDC m_dcCompose;
    CDC m_dcSprite;
    SIZE m_sizeSkin{0, 0};
};
