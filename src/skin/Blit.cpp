#include "skin/Blit.h"

#include "framework/Gdi.h"

void DrawTransparent(HWND hWnd, HDC destDC, int x, int y, int width, int height, HDC spriteDC,
                     COLORREF keyColour)
{
    CWindowDC windowDC(hWnd);

    CDC colourDC;
    colourDC.CreateCompatibleDC(windowDC);
    CBitmap colourBitmap;
    colourBitmap.CreateCompatibleBitmap(windowDC, width, height);
    CSelectObject selectColour(colourDC, colourBitmap);

    CDC maskDC;
    maskDC.CreateCompatibleDC(windowDC);
    CGdiObject<HBITMAP> maskBitmap;
    maskBitmap.Attach(::CreateBitmap(width, height, 1, 1, nullptr));
    CSelectObject selectMask(maskDC, maskBitmap);

    // Mask: 1 where the sprite has the key colour, 0 elsewhere.
    const COLORREF oldBack = ::SetBkColor(spriteDC, keyColour);
    ::BitBlt(maskDC, 0, 0, width, height, spriteDC, 0, 0, SRCCOPY);
    ::SetBkColor(spriteDC, oldBack);

    // Blacken the destination under the sprite's own pixels.
    ::BitBlt(destDC, x, y, width, height, maskDC, 0, 0, SRCAND);

    // Blacken the sprite's key pixels in a copy, then add the copy in.
    ::PatBlt(maskDC, 0, 0, width, height, PATINVERT);
    ::BitBlt(colourDC, 0, 0, width, height, spriteDC, 0, 0, SRCCOPY);
    ::BitBlt(colourDC, 0, 0, width, height, maskDC, 0, 0, SRCAND);
    ::BitBlt(destDC, x, y, width, height, colourDC, 0, 0, SRCPAINT);
}

void DrawFrameRect(HDC hDC, RECT rect)
{
    ::MoveToEx(hDC, rect.left, rect.top, nullptr);
    ::LineTo(hDC, rect.right, rect.top);
    ::LineTo(hDC, rect.right, rect.bottom);
    ::LineTo(hDC, rect.left, rect.bottom);
    ::LineTo(hDC, rect.left, rect.top);
}
