#include "skin/WindowDrag.h"

#include "skin/HitRects.h"

void CWindowDrag::Start(HWND hWnd, POINT point, int scale)
{
    m_ptPress = point;
    m_nScale = scale;
    ::SetCapture(hWnd);
    m_bDragging = TRUE;
}

void CWindowDrag::Move(HWND hWnd, POINT point)
{
    if (m_bDragging) Follow(hWnd, point);
}

void CWindowDrag::End(HWND hWnd, POINT point)
{
    if (!m_bDragging) return;
    m_bDragging = FALSE;
    ::ReleaseCapture();
    Follow(hWnd, point);
}

void CWindowDrag::Follow(HWND hWnd, POINT point) const
{
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    const int k = m_nScale;
    const PixelPoint topLeft =
        DragTopLeft({rect.left, rect.top}, {point.x * k, point.y * k}, {m_ptPress.x * k, m_ptPress.y * k});
    ::MoveWindow(hWnd, topLeft.x, topLeft.y, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}
