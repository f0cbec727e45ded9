#include "skin/SkinCanvas.h"

#include "skin/PixelScale.h"
#include "skin/Region.h"
#include "skin/SpriteCache.h"
#include "skin/WinRect.h"

void SkinCanvas::SkinWindow(HWND hWnd, UINT nIDSkin, int scale)
{
    if (LoadSkin(nIDSkin)) Rescale(hWnd, scale);
    CreateBuffers(hWnd);
}

void SkinCanvas::Rescale(HWND hWnd, int scale, const POINT* topLeft)
{
    m_nScale = scale < 1 ? 1 : scale;
    if (!m_bmpSkin.GetSafeHandle()) return;
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    const POINT at = topLeft ? *topLeft : POINT{rect.left, rect.top};
    ::SetWindowPos(hWnd, nullptr, at.x, at.y, m_sizeSkin.cx * m_nScale, m_sizeSkin.cy * m_nScale,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ShapeWindowFromBitmap(hWnd, static_cast<WORD>(m_nIDSkin), kKeyColour, m_nScale);
    ::InvalidateRect(hWnd, nullptr, FALSE);
}

RECT SkinCanvas::FrameArea(const RECT& paintRect) const
{
    return ToRect(CoveringFrameArea(ToPixelRect(paintRect), m_nScale));
}

void SkinCanvas::InvalidateFrameArea(HWND hWnd, const RECT& area) const
{
    const RECT rect = ToRect(ScaledUp(ToPixelRect(area), m_nScale));
    ::InvalidateRect(hWnd, &rect, FALSE);
}

bool SkinCanvas::LoadSkin(UINT nIDSkin)
{
    m_nIDSkin = nIDSkin;
    m_bmpSkin.LoadBitmap(nIDSkin);
    m_sizeSkin = m_bmpSkin.GetSize();
    return m_bmpSkin.GetSafeHandle() != nullptr;
}

void SkinCanvas::CreateBuffers(HWND hWnd)
{
    // The window's own DC as the reference: the DCs and the frame take the
    // display's format, so the last copy is a plain one. Each bitmap stays
    // selected in its DC for good: selecting costs more than copying.
    CWindowDC windowDC(hWnd);
    m_dcCompose.CreateCompatibleDC(windowDC);
    m_dcSkin.CreateCompatibleDC(windowDC);
    m_bmpFrame.CreateCompatibleBitmap(windowDC, m_sizeSkin.cx, m_sizeSkin.cy);
    ::SelectObject(m_dcCompose, m_bmpFrame);
    ::SelectObject(m_dcSkin, m_bmpSkin);
}

void SkinCanvas::RebuildForDisplay(HWND hWnd)
{
    // Both windows hear of the change; the second drop costs one more preparation.
    ForgetResourceSprites();
    m_dcSkin.DeleteDC();  // lets go of the skin, which is loaded again in the new format
    LoadSkin(m_nIDSkin);
    CreateBuffers(hWnd);
    ::InvalidateRect(hWnd, nullptr, FALSE);
}

HDC SkinCanvas::BeginFrame(const RECT& area)
{
    // Sprites, shapes and texts outside the area are clipped away for next to nothing.
    ::SelectClipRgn(m_dcCompose, nullptr);
    ::IntersectClipRect(m_dcCompose, area.left, area.top, area.right, area.bottom);
    ::BitBlt(m_dcCompose, area.left, area.top, area.right - area.left, area.bottom - area.top, m_dcSkin, area.left,
             area.top, SRCCOPY);
    return m_dcCompose;
}

void SkinCanvas::DrawSprite(const KeyedSprite* pSprite, int x, int y)
{
    if (pSprite) DrawSprite(pSprite, x, y, pSprite->Size().cx, pSprite->Size().cy);
}

void SkinCanvas::DrawSprite(const KeyedSprite* pSprite, int x, int y, int width, int height)
{
    if (pSprite) pSprite->Draw(m_dcCompose, x, y, width, height);
}

void SkinCanvas::Present(HDC paintDC, const RECT& area) const
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (m_nScale == 1) {
        ::BitBlt(paintDC, area.left, area.top, width, height, m_dcCompose, area.left, area.top, SRCCOPY);
        return;
    }
    const int k = m_nScale;
    const int oldMode = ::SetStretchBltMode(paintDC, COLORONCOLOR);
    ::StretchBlt(paintDC, area.left * k, area.top * k, width * k, height * k, m_dcCompose, area.left, area.top, width,
                 height, SRCCOPY);
    ::SetStretchBltMode(paintDC, oldMode);
}
