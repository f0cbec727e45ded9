// Moving a borderless window with the mouse while the left button is held.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class CWindowDrag {
public:
    // Records the press point, captures the mouse and starts dragging. Points
    // are in skin pixels of a window shown at `scale`.
    void Start(HWND hWnd, POINT point, int scale = 1);
    // While dragging: moves the window so that the press point stays under the
    // pointer. Points are client points, possibly outside the window.
    void Move(HWND hWnd, POINT point);
    // While dragging: stops, releases the capture and places the window for
    // the release point.
    void End(HWND hWnd, POINT point);
    // The capture is gone (taken by another window, or cancelled): the drag
    // ends where the window is, whatever the mouse does next.
    void Cancel() { m_bDragging = FALSE; }

    BOOL m_bDragging = FALSE;
    POINT m_ptPress{0, 0};
    int m_nScale = 1;

private:
    void Follow(HWND hWnd, POINT point) const;
};
