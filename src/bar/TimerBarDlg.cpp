#include "bar/TimerBarDlg.h"

#include <string>

#include "app/AppSettings.h"
#include "app/WindowPointers.h"
#include "bar/BarLayout.h"
#include "framework/WinApp.h"
#include "model/IconCatalogue.h"
#include "model/SettingsStore.h"
#include "model/TimerSlots.h"
#include "res/resource.h"
#include "skin/Region.h"

namespace {

constexpr UINT kFirstDigitKey = 0x31;  // '1' on the main keyboard
constexpr UINT kLastDigitKey = 0x39;   // '9'
constexpr COLORREF kBoxWhite = RGB(255, 255, 255);
constexpr COLORREF kBoxRed = RGB(255, 0, 0);
constexpr RECT kTitleRect{7, 3, 200, 20};

// Client coordinates of a mouse message; negative outside the window while captured.
POINT PointOf(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

RECT ToRect(const HitRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

CTimerBarDlg::CTimerBarDlg(CWnd* pParent) : CProgramDialog(IDD_TIMER_BAR, pParent)
{
    m_fontTitle.CreateFontW(12, FW_DONTCARE, DEFAULT_CHARSET, L"굴림");
    m_fontTime.CreateFontW(15, FW_BOLD, DEFAULT_CHARSET, L"Times New Roman");
}

bool CTimerBarDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        *result = 0;
        return true;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        *result = Default();
        return true;
    case WM_KEYUP:
        OnKeyUp(static_cast<UINT>(wParam));
        *result = Default();
        return true;
    case WM_LBUTTONDOWN:
        OnLButtonDown(PointOf(lParam));
        *result = Default();
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        *result = Default();
        return true;
    case WM_LBUTTONUP:
        OnLButtonUp(PointOf(lParam));
        *result = Default();
        return true;
    case WM_CLOSE:
        PassCloseToOwner();
        *result = 0;
        return true;
    case WM_DESTROY:
        OnDestroy();
        *result = Default();
        return true;
    default:
        return CProgramDialog::OnWndMsg(message, wParam, lParam, result);
    }
}

BOOL CTimerBarDlg::OnInitDialog()
{
    CProgramDialog::OnInitDialog();
    SetUpSkin();
    // Off the taskbar and the task switcher: the host carries the program's entry.
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW, 0);
    RestoreWindowPosition(this, kEntryMainWinLeft, kEntryMainWinTop);
    ::SetTimer(m_hWnd, BarTimerId, 100, nullptr);
    m_bAlwaysOnTop = AppProfile().GetInt(kSectionOption, kEntryAlwaysOnTop, 0);
    if (m_bAlwaysOnTop) {
        const RECT rect = GetWindowRect();
        SetWindowPos(HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_SHOWWINDOW);
    }
    return TRUE;
}

void CTimerBarDlg::SetUpSkin()
{
    // Without its skin the bar keeps the template's size and paints plain frames.
    if (m_canvas.LoadSkin(IDB_BAR_SKIN)) {
        const RECT rect = GetWindowRect();
        SetWindowPos(nullptr, rect.left, rect.top, m_canvas.Size().cx, m_canvas.Size().cy, SWP_NOZORDER);
        ShapeWindowFromBitmap(m_hWnd, IDB_BAR_SKIN, kKeyColour);
    }
    m_bmpClose.LoadBitmap(IDB_BAR_CLOSE);
    m_bmpPinOn.LoadBitmap(IDB_PIN_ON);
    m_bmpPinOff.LoadBitmap(IDB_PIN_OFF);
    m_canvas.CreateBuffers(m_hWnd);
}

void CTimerBarDlg::OnPaint()
{
    CPaintDC paintDC(m_hWnd);
    HDC dc = m_canvas.BeginFrame();
    PaintSlots(dc);
    PaintTexts(dc);
    m_canvas.Present(paintDC);
}

void CTimerBarDlg::PaintSlots(HDC dc)
{
    const std::int32_t now = CurrentSlotTime();
    CBrush white;
    white.CreateSolidBrush(kBoxWhite);
    CBrush red;
    red.CreateSolidBrush(kBoxRed);

    for (int i = 0; i < kTimerSlotCount; ++i) {
        const TimerSlot& slot = g_timerSlots[i];
        const HitRect& box = BarHitRects[i];
        const std::int32_t bitmapId = g_iconCatalogue.BitmapOf(g_iconCatalogue.CodeOfSlotIcon(slot.icon));
        CBitmap icon;
        // No bitmap, no box: the skin shows through, the number and time still show.
        if (bitmapId == 0 || !icon.LoadBitmap(static_cast<UINT>(bitmapId))) continue;

        CSelectObject selectBrush(dc, IsSlotWarning(slot, now) ? red : white);
        ::Rectangle(dc, box.left, box.top, box.right, box.bottom);

        const SIZE size = icon.GetSize();
        const PixelPoint at = BarIconPosition(box, size.cx, size.cy, slot.state == Running, now);
        m_canvas.DrawSprite(m_hWnd, icon, at.x, at.y, size.cx, size.cy);
    }

    const HitRect& pin = BarHitRects[kBarPinRect];
    m_canvas.DrawSprite(m_hWnd, m_bAlwaysOnTop ? m_bmpPinOn : m_bmpPinOff, pin.left, pin.top, pin.Width(),
                        pin.Height());
    const HitRect& close = BarHitRects[kBarCloseRect];
    m_canvas.DrawSprite(m_hWnd, m_bmpClose, close.left, close.top, close.Width(), close.Height());
}

void CTimerBarDlg::PaintTexts(HDC dc)
{
    ::SetBkMode(dc, TRANSPARENT);

    CSelectObject selectFont(dc, m_fontTitle);
    RECT title = kTitleRect;
    ::DrawTextW(dc, LoadResourceString(IDS_TITLE).c_str(), -1, &title, DT_VCENTER);

    ::SelectObject(dc, m_fontTime);
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const TimerSlot& slot = g_timerSlots[i];
        const HitRect& timeBox = BarHitRects[kBarTimeBoxFirst + i];

        RECT number = ToRect(BarNumberRect(BarHitRects[i]));
        const std::string digit = std::to_string(i + 1);
        ::DrawTextA(dc, digit.c_str(), -1, &number, DT_SINGLELINE | DT_RIGHT);

        // The time is wider than its box in this font: unclipped, so that the
        // last digit of the seconds stays whole.
        RECT time = ToRect(timeBox);
        const std::string text = FormatSlotTime(SlotDisplaySeconds(slot));
        ::DrawTextA(dc, text.c_str(), -1, &time, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOCLIP);

        if (m_nHover == i) {
            // The name is bytes of the ANSI code page, measured and drawn as such.
            ::SelectObject(dc, m_fontTitle);
            const std::string name = SlotName(slot);
            SIZE extent{0, 0};
            ::GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &extent);
            RECT place = ToRect(BarNameRect(timeBox, extent.cx, window.right - window.left));
            ::DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &place, DT_SINGLELINE | DT_BOTTOM);
            ::SelectObject(dc, m_fontTime);
        }
    }
}

void CTimerBarDlg::OnTimer(UINT_PTR nIDEvent)
{
    const std::int32_t now = CurrentSlotTime();
    if (nIDEvent == BarTimerId && TickTimerSlots(now)) Invalidate();
}

void CTimerBarDlg::OnKeyUp(UINT nChar)
{
    if (nChar < kFirstDigitKey || nChar > kLastDigitKey) return;
    if (ToggleTimerSlot(static_cast<int>(nChar - kFirstDigitKey), CurrentSlotTime())) Invalidate();
}

void CTimerBarDlg::OnLButtonDown(POINT point)
{
    m_drag.Start(m_hWnd, point);
}

void CTimerBarDlg::OnMouseMove(POINT point)
{
    m_drag.Move(m_hWnd, point);
    const int hover = FindHitRect(BarHitRects, kBarHitRectCount, point.x, point.y);
    if (hover != m_nHover) {
        m_nHover = hover;  // shows or hides a slot's name
        Invalidate();
    }
}

void CTimerBarDlg::OnLButtonUp(POINT point)
{
    m_drag.End(m_hWnd, point);
    // Every release acts where it lands, dragged or not: after a drag the
    // window has followed the pointer, so that is where the press was.
    switch (FindHitRect(BarHitRects, kBarHitRectCount, point.x, point.y)) {
    case kBarPinRect:
        ToggleAlwaysOnTop();
        break;
    case kBarCloseRect:
        SendMessage(WM_CLOSE);
        break;
    default:
        break;
    }
}

void CTimerBarDlg::ToggleAlwaysOnTop()
{
    m_bAlwaysOnTop = m_bAlwaysOnTop ? 0 : 1;
    const RECT rect = GetWindowRect();
    SetWindowPos(m_bAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_SHOWWINDOW);
    Invalidate();
}

void CTimerBarDlg::OnDestroy()
{
    SaveWindowPosition(this, kEntryMainWinLeft, kEntryMainWinTop);
    AppProfile().WriteInt(kSectionOption, kEntryAlwaysOnTop, m_bAlwaysOnTop);
}

void CTimerBarDlg::PostNcDestroy()
{
    delete this;
    g_pTimerBarDlg = nullptr;
}
