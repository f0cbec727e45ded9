// The bar over a game: one alpha for the whole window (a layered window,
// painted as ever), full while the pointer is over a bar that takes the
// mouse, and clicks passed to the window beneath while click-through is on
// but while Ctrl is held over the bar. Nothing changes while both are off:
// the bar is then no layered window at all.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/SeeThrough.h"

// While click-through is on: how often the bar looks for Ctrl held over it
// (it gets no mouse message of its own then).
constexpr UINT_PTR kSeeThroughTimerId = 19104885;
constexpr UINT kSeeThroughPollMs = 100;

class CBarSeeThrough {
public:
    // The stored opacity and click-through applied to the bar: at its start
    // and whenever one changes.
    void Follow(HWND hWndBar);
    // The pointer moved over the bar (a mouse message of its own) or left it.
    void PointerMoved(HWND hWndBar);
    void PointerLeft(HWND hWndBar);
    // The poll's tick while click-through is on.
    void Poll(HWND hWndBar);

private:
    void Apply(HWND hWndBar);

    SeeThroughInput m_input;
    BarSeeThrough m_applied;  // what the window is now
    bool m_tracking = false;  // a leave report is asked for
};
