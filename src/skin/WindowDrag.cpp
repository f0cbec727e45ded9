#include "skin/WindowDrag.h"

#include "skin/HitRects.h"

void CWindowDrag::Start(HWND hWnd, POINT point)
{
    m_ptPress = point;
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
    const PixelPoint topLeft =
        DragTopLeft({rect.left, rect.top}, {point.x, point.y}, {m_ptPress.x, m_ptPress.y});
    ::MoveWindow(hWnd, topLeft.x, topLeft.y, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}
