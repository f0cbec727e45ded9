#include "skin/SkinCanvas.h"

#include "skin/Blit.h"
#include "skin/Region.h"

bool SkinCanvas::LoadSkin(UINT nIDSkin)
{
    m_bmpSkin.LoadBitmap(nIDSkin);
    m_sizeSkin = m_bmpSkin.GetSize();
    return m_bmpSkin.GetSafeHandle() != nullptr;
}

void SkinCanvas::CreateBuffers(HWND hWnd)
{
    // The window's own DC as the reference: the DCs and the frame take the
    // display's format, so the last copy is a plain one.
    CWindowDC windowDC(hWnd);
    m_dcCompose.CreateCompatibleDC(windowDC);
    m_dcSprite.CreateCompatibleDC(m_dcCompose);
    m_bmpFrame.CreateCompatibleBitmap(windowDC, m_sizeSkin.cx, m_sizeSkin.cy);
}

HDC SkinCanvas::BeginFrame()
{
    // The frame bitmap stays selected between paints; the DC owns no other.
    ::SelectObject(m_dcCompose, m_bmpFrame);
    CSelectObject selectSkin(m_dcSprite, m_bmpSkin);
    ::BitBlt(m_dcCompose, 0, 0, m_sizeSkin.cx, m_sizeSkin.cy, m_dcSprite, 0, 0, SRCCOPY);
    return m_dcCompose;
}

void SkinCanvas::DrawSprite(HWND hWnd, HBITMAP hSprite, int x, int y)
{
    BITMAP info{};
    if (!hSprite || !::GetObjectW(hSprite, sizeof info, &info)) return;
    DrawSprite(hWnd, hSprite, x, y, info.bmWidth, info.bmHeight);
}

void SkinCanvas::DrawSprite(HWND hWnd, HBITMAP hSprite, int x, int y, int width, int height)
{
    CSelectObject selectSprite(m_dcSprite, hSprite);
    if (!selectSprite) return;  // not drawn; the next paint tries again
    DrawTransparent(hWnd, m_dcCompose, x, y, width, height, m_dcSprite, kKeyColour);
}

void SkinCanvas::Present(HDC paintDC) const
{
    ::BitBlt(paintDC, 0, 0, m_sizeSkin.cx, m_sizeSkin.cy, m_dcCompose, 0, 0, SRCCOPY);
}
