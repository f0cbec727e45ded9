#include "common/SkinnedDialog.h"

#include "common/AppSettings.h"
#include "framework/Gdi.h"
#include "model/Placement.h"
#include "model/SettingsStore.h"
#include "skin/PixelScale.h"
#include "skin/WinRect.h"

namespace {

// Sent to the thread's windows when the double-size choice changes.
constexpr UINT kRescaleMessage = WM_APP + 0x40;
constexpr UINT kDpiChanged = 0x02E0;         // WM_DPICHANGED
constexpr UINT kGetDpiScaledSize = 0x02E4;   // WM_GETDPISCALEDSIZE

BOOL CALLBACK SendRescale(HWND hWnd, LPARAM)
{
    ::SendMessageW(hWnd, kRescaleMessage, 0, 0);
    return TRUE;
}

bool IsMouseMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

}  // namespace

int WindowDpi(HWND hWnd)
{
    using GetDpiForWindowFn = UINT WINAPI(HWND);
    static auto* getDpi = reinterpret_cast<GetDpiForWindowFn*>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpi) {
        if (const UINT dpi = getDpi(hWnd)) return static_cast<int>(dpi);
    }
    CWindowDC screen(nullptr);
    return ::GetDeviceCaps(screen, LOGPIXELSX);
}

void CSkinnedDialog::SetDoubleSize(bool on)
{
    if (IsOptionOn(DoubleSize) == on) return;
    StoreOption(DoubleSize, on);
    ::EnumThreadWindows(::GetCurrentThreadId(), SendRescale, 0);
}

void CSkinnedDialog::DressInSkin(UINT nIDSkin)
{
    m_canvas.SkinWindow(m_hWnd, nIDSkin, PixelScaleFor(WindowDpi(m_hWnd), IsOptionOn(DoubleSize)));
    OnScaleChanged();
}

void CSkinnedDialog::TakeScale(int dpi, const POINT* topLeft)
{
    const int before = m_canvas.Scale();
    m_canvas.Rescale(m_hWnd, PixelScaleFor(dpi, IsOptionOn(DoubleSize)), topLeft);
    if (m_canvas.Scale() > before) KeepScaledOnScreen();
    OnScaleChanged();
}

RECT CSkinnedDialog::OnScreen(const RECT& skinRect) const
{
    const RECT window = GetWindowRect();
    const int k = m_canvas.Scale();
    return {window.left + skinRect.left * k, window.top + skinRect.top * k, window.left + skinRect.right * k,
            window.top + skinRect.bottom * k};
}

void CSkinnedDialog::KeepScaledOnScreen()
{
    if (m_canvas.Scale() <= 1) return;
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) return;
    const PixelPoint at = MoveInsideWorkArea(ToPixelRect(info.rcWork), ToPixelRect(rect));
    if (at.x == rect.left && at.y == rect.top) return;
    ::SetWindowPos(m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CSkinnedDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (IsMouseMessage(message)) {
        const POINT point = PointFromLParam(lParam);
        const PixelPoint skinPoint = ScaledDown({point.x, point.y}, m_canvas.Scale());
        lParam = MAKELPARAM(static_cast<short>(skinPoint.x), static_cast<short>(skinPoint.y));
    } else if (message == kDpiChanged) {
        // Where Windows suggests, at exactly k times the skin.
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        const POINT topLeft = suggested ? POINT{suggested->left, suggested->top} : POINT{};
        TakeScale(HIWORD(wParam), suggested ? &topLeft : nullptr);
        *result = 0;
        return true;
    } else if (message == kGetDpiScaledSize && lParam) {
        const int scale = PixelScaleFor(static_cast<int>(wParam), IsOptionOn(DoubleSize));
        const SIZE skin = m_canvas.Size();
        *reinterpret_cast<SIZE*>(lParam) = {skin.cx * scale, skin.cy * scale};
        *result = TRUE;
        return true;
    } else if (message == kRescaleMessage) {
        TakeScale(WindowDpi(m_hWnd), nullptr);
        *result = 0;
        return true;
    } else if (message == kLanguageShownMessage) {
        m_canvas.RebuildForDisplay(m_hWnd);  // pictures with words: the skin and the sprites
        OnLanguageShown();
        *result = 0;
        return true;
    }
    return CProgramDialog::OnWndMsg(message, wParam, lParam, result);
}

void CSkinnedDialog::OnPaint()
{
    CPaintDC paintDC(m_hWnd);
    const RECT area = m_canvas.FrameArea(paintDC.PaintRect());
    ComposeFrame(m_canvas.BeginFrame(area));
    m_canvas.Present(paintDC, area);
}

void CSkinnedDialog::OnDisplayChange()
{
    m_canvas.RebuildForDisplay(m_hWnd);
    CProgramDialog::OnDisplayChange();
}
