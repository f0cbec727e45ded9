#include "bar/BarSeeThrough.h"

#include "common/AppSettings.h"

namespace {

bool PointerOver(HWND hWnd)
{
    POINT pointer{};
    RECT rect{};
    return ::GetCursorPos(&pointer) && ::GetWindowRect(hWnd, &rect) && ::PtInRect(&rect, pointer);
}

}  // namespace

void CBarSeeThrough::Follow(HWND hWndBar)
{
    m_input.opacity = BarOpacity();
    m_input.clickThrough = IsOptionOn(ClickThrough);
    if (m_input.clickThrough) {
        ::SetTimer(hWndBar, kSeeThroughTimerId, kSeeThroughPollMs, nullptr);
        Poll(hWndBar);
        return;
    }
    ::KillTimer(hWndBar, kSeeThroughTimerId);
    m_input.ctrlHeld = m_input.mouseHeld = m_input.pointerOver = false;
    if (PointerOver(hWndBar)) {
        PointerMoved(hWndBar);  // and its leave reported
        return;
    }
    Apply(hWndBar);
}

void CBarSeeThrough::PointerMoved(HWND hWndBar)
{
    // Under click-through the poll alone decides: a drag holds the mouse past Ctrl's release.
    if (m_input.clickThrough || m_input.pointerOver) return;
    if (!m_tracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hWndBar, 0};
        m_tracking = ::TrackMouseEvent(&track) != FALSE;
    }
    m_input.pointerOver = true;
    Apply(hWndBar);
}

void CBarSeeThrough::PointerLeft(HWND hWndBar)
{
    m_tracking = false;
    if (m_input.clickThrough) return;
    m_input.pointerOver = false;
    Apply(hWndBar);
}

void CBarSeeThrough::Poll(HWND hWndBar)
{
    m_input.pointerOver = PointerOver(hWndBar);
    m_input.ctrlHeld = (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    m_input.mouseHeld = ::GetCapture() == hWndBar;
    Apply(hWndBar);
}

void CBarSeeThrough::Apply(HWND hWndBar)
{
    const BarSeeThrough look = DecideSeeThrough(m_input);
    if (look == m_applied) return;
    const LONG_PTR before = ::GetWindowLongPtrW(hWndBar, GWL_EXSTYLE);
    LONG_PTR style = before & ~static_cast<LONG_PTR>(WS_EX_LAYERED | WS_EX_TRANSPARENT);
    if (look.layered) style |= WS_EX_LAYERED;
    if (look.passesClicks) style |= WS_EX_TRANSPARENT;
    if (style != before) ::SetWindowLongPtrW(hWndBar, GWL_EXSTYLE, style);
    if (look.layered) {
        ::SetLayeredWindowAttributes(hWndBar, 0, look.alpha, LWA_ALPHA);
    } else if (before & WS_EX_LAYERED) {
        // Opaque again: the window paints itself once more, as it did before.
        ::RedrawWindow(hWndBar, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    m_applied = look;
}
