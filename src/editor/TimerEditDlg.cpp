#include "editor/TimerEditDlg.h"

#include "common/AppSettings.h"
#include "sets/SetGone.h"
#include "sets/Sets.h"
#include "editor/EditorLayout.h"
#include "model/NameLimit.h"
#include "framework/CodePage.h"
#include "framework/DataExchange.h"
#include "model/IconCatalogue.h"
#include "model/SettingsStore.h"
#include "model/TimerSlots.h"
#include "res/resource.h"
#include "skin/Blit.h"
#include "skin/PixelScale.h"
#include "skin/SpriteCache.h"

namespace {

int PlaceAt(POINT point)
{
    return EditorPlaceAt(point.x, point.y);
}

// The three columns of a time: hours, minutes, seconds, each up, digits, down.
constexpr int kDurationColumns[3][3] = {
    {HourUp, HourDigits, HourDown}, {MinuteUp, MinuteDigits, MinuteDown}, {SecondUp, SecondDigits, SecondDown}};
constexpr int kCooldownColumns[3][3] = {{CooldownHourUp, CooldownHourDigits, CooldownHourDown},
                                        {CooldownMinuteUp, CooldownMinuteDigits, CooldownMinuteDown},
                                        {CooldownSecondUp, CooldownSecondDigits, CooldownSecondDown}};

constexpr int kNameFontPixels = 12;  // 9 points at 96 DPI

UINT TimerPeriod(unsigned timerId)
{
    return timerId == TimerLeftDelay || timerId == TimerRightDelay ? kHoldDelayMs : kRepeatMs;
}

}  // namespace

CTimerEditDlg::CTimerEditDlg(CWnd* pParent) : CSkinnedDialog(IDD_TIMER_EDIT, pParent)
{
    m_fontDigits.CreateFontW(16, FW_BOLD, DEFAULT_CHARSET, L"굴림체");
    m_fontSetName.CreateFontW(12, FW_BOLD, DEFAULT_CHARSET, L"굴림");
    m_penSelected.CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    m_penCell.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
}

void CTimerEditDlg::Open(int slot)
{
    if (slot < 0 || slot >= kTimerSlotCount) return;
    m_nSlot = slot;
    m_set = ShownSetId();
    m_strSetName = ShownSetName();
    ++m_nOpening;
    Reload();
    m_nIconCode = m_base.icon < kIconCellCount ? g_iconCatalogue.CodeAt(m_base.icon) : m_base.icon;
    m_nTimeOffset = 0;
    m_nCooldownOffset = 0;
    m_strName = MultiByteToWide(SlotName(m_base));
    UpdateData(FALSE);
    Invalidate();
}

void CTimerEditDlg::Reload()
{
    if (const std::optional<TimerSet> set = FindSet(m_set)) m_base = set->slots[m_nSlot];
}

bool CTimerEditDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case kOpenSlotMessage:
        if (wParam >= kTimerSlotCount) break;
        Open(static_cast<int>(wParam));
        ShowInFront(lParam != 0);
        *result = 0;
        return true;
    case kBarPinnedMessage:
        if (IsWindowVisible()) KeepAbove(wParam != 0);
        *result = 0;
        return true;
    case kSaveStateMessage:
        SavePlace();
        *result = 0;
        return true;
    case WM_GETOBJECT:
        *result = m_access.Answer(m_hWnd, wParam, lParam, *this);
        if (*result != 0) return true;
        break;
    case kReaderPressMessage:
        if (static_cast<int>(wParam) < kEditorPlaceEnd) ActOnPlace(static_cast<int>(wParam));
        *result = 0;
        return true;
    case kSetChangedMessage:
        // Its edit stays with its set, whichever shows; the title names it.
        if (IsWindowVisible()) Invalidate();
        *result = 0;
        return true;
    default:
        break;
    }
    return CSkinnedDialog::OnWndMsg(message, wParam, lParam, result);
}

void CTimerEditDlg::ShowInFront(bool aboveTopmost)
{
    KeepAbove(aboveTopmost);
    ShowWindow(SW_SHOW);  // activated: the top of its band
}

void CTimerEditDlg::KeepAbove(bool aboveTopmost)
{
    // Topmost like the pinned bar and placed above it, or back in the normal band.
    ::SetWindowPos(m_hWnd, aboveTopmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CTimerEditDlg::SavePlace()
{
    SaveWindowPosition(this, kEntrySelectIconWinLeft, kEntrySelectIconWinTop);
}

void CTimerEditDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NAME_EDIT, m_strName);
    DDV_MaxChars(pDX, m_strName, kNameByteLimit);
}

BOOL CTimerEditDlg::OnInitDialog()
{
    CSkinnedDialog::OnInitDialog();
    Register(ProgramWindow::Editor);
    m_nameBox.SubclassWindow(::GetDlgItem(m_hWnd, IDC_NAME_EDIT));
    // The name box paints itself: the editor's frames leave it alone.
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, ::GetWindowLongPtrW(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
    DressInSkin(IDB_EDITOR_SKIN);
    RestoreWindowPosition(this, kEntrySelectIconWinLeft, kEntrySelectIconWinTop);
    KeepScaledOnScreen();
    // No focus for the name box yet: focusing a control activates its window,
    // and a hidden editor that is active takes the keys meant for the bar.
    // The name box gets the focus when the editor is shown.
    return FALSE;
}

void CTimerEditDlg::OnScaleChanged()
{
    const int k = m_canvas.Scale();
    const PixelRect box = ScaledUp(NameBoxRect(), k);
    ::SetWindowPos(m_nameBox, nullptr, box.left, box.top, box.Width(), box.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    // The dialog's own 9-point face, 12 pixels high at 1x whatever the screen's DPI.
    LOGFONTW face{};
    ::GetObjectW(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), sizeof face, &face);
    face.lfHeight = -kNameFontPixels * k;
    face.lfWidth = 0;
    HFONT hFont = ::CreateFontIndirectW(&face);
    ::SendMessageW(m_nameBox, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    m_fontName.Attach(hFont);  // the old font goes once the box no longer uses it
}

void CTimerEditDlg::ComposeFrame(HDC dc)
{
    DrawSkinAndIcons(dc);
    DrawDuration(dc);
    DrawSetName(dc);
}

void CTimerEditDlg::DrawSetName(HDC dc)
{
    const std::wstring name = NameOfSet(m_set);
    if (SetCount() < 2 || name.empty()) return;
    CSelectObject selectFont(dc, m_fontSetName);
    ::SetBkMode(dc, TRANSPARENT);
    const COLORREF before = ::SetTextColor(dc, RGB(255, 255, 255));
    // Right of the skin's own title, clipped however long the name.
    RECT title = ToRect(kEditorSetNameRect);
    ::DrawTextW(dc, name.c_str(), -1, &title, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SetTextColor(dc, before);
}

void CTimerEditDlg::DrawSkinAndIcons(HDC dc)
{
    const HitRect& ok = EditorHitRects[OkButton];
    m_canvas.DrawSprite(ResourceSprite(IDB_OK_BUTTON), ok.left, ok.top, ok.Width(), ok.Height());
    const HitRect& cancel = EditorHitRects[CancelButton];
    m_canvas.DrawSprite(ResourceSprite(IDB_CANCEL_BUTTON), cancel.left, cancel.top, cancel.Width(), cancel.Height());

    const int selected = g_iconCatalogue.IndexOf(m_nIconCode);
    for (int cell = 0; cell < kIconCellCount; ++cell) {
        const HitRect& rect = EditorHitRects[kIconCellFirst + cell];
        const std::int32_t bitmapId = g_iconCatalogue.BitmapOf(g_iconCatalogue.CodeAt(cell));
        if (const KeyedSprite* icon = bitmapId != 0 ? ResourceSprite(static_cast<UINT>(bitmapId)) : nullptr) {
            const SIZE size = icon->Size();
            m_canvas.DrawSprite(icon, rect.left + (rect.Width() - size.cx) / 2, rect.top + (rect.Height() - size.cy) / 2);
        }
        CSelectObject selectPen(dc, cell == selected ? m_penSelected : m_penCell);
        DrawFrameRect(dc, ToRect(rect));
    }

    const KeyedSprite* up = ResourceSprite(IDB_ARROW_UP);
    const KeyedSprite* down = ResourceSprite(IDB_ARROW_DOWN);
    for (const auto* columns : {kDurationColumns, kCooldownColumns}) {
        for (int column = 0; column < 3; ++column) {
            const HitRect& top = EditorPlaceRect(columns[column][0]);
            m_canvas.DrawSprite(up, top.left, top.top, top.Width(), top.Height());
            const HitRect& bottom = EditorPlaceRect(columns[column][2]);
            m_canvas.DrawSprite(down, bottom.left, bottom.top, bottom.Width(), bottom.Height());
        }
    }
}

void CTimerEditDlg::DrawDuration(HDC dc)
{
    CSelectObject selectFont(dc, m_fontDigits);
    ::SetBkMode(dc, TRANSPARENT);
    const struct {
        const int (*columns)[3];
        std::int32_t total;
        HitRect colons[2];
    } times[] = {{kDurationColumns, EditedTotal(), {EditorHitRects[HourColon], EditorHitRects[MinuteColon]}},
                 {kCooldownColumns, EditedCooldown(), {CooldownColons[0], CooldownColons[1]}}};
    for (const auto& time : times) {
        const DurationFields fields = SplitDuration(time.total);
        const std::int64_t values[] = {fields.hours, fields.minutes, fields.seconds};
        // Three-digit hours are clipped to their box, as the box is two digits wide.
        for (int column = 0; column < 3; ++column) {
            RECT rect = ToRect(EditorPlaceRect(time.columns[column][1]));
            ::DrawTextA(dc, FormatField(values[column]).c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        for (const HitRect& colon : time.colons) {
            RECT rect = ToRect(colon);
            ::DrawTextA(dc, ":", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        }
    }
}

std::int32_t CTimerEditDlg::EditedTotal() const
{
    return CommittedDuration(m_base.duration, m_nTimeOffset);
}

std::int32_t CTimerEditDlg::EditedCooldown() const
{
    return CommittedDuration(m_base.cooldown, m_nCooldownOffset);
}

void CTimerEditDlg::Step(Spin spin, int place)
{
    if (IsCooldownPlace(place)) {
        m_nCooldownOffset = SpinOffset(spin, m_base.cooldown, m_nCooldownOffset);
    } else {
        m_nTimeOffset = SpinOffset(spin, m_base.duration, m_nTimeOffset);
    }
}

void CTimerEditDlg::ApplyTimers(const TimerChange& change)
{
    for (unsigned id = TimerLeftDelay; id <= TimerRightRepeat; ++id) {
        if (change.stop & (1u << id)) ::KillTimer(m_hWnd, id);
        if (change.start & (1u << id)) ::SetTimer(m_hWnd, id, TimerPeriod(id), nullptr);
    }
}

void CTimerEditDlg::OnLButtonDown(POINT point)
{
    CSkinnedDialog::OnLButtonDown(point);
    const bool inside = PlaceAt(point) >= 0;
    if (inside) {
        m_drag.m_ptPress = point;  // the click acts on release; a hold repeats here
        HoldMouse();
    } else {
        m_drag.Start(m_hWnd, point, m_canvas.Scale());
    }
    ApplyTimers(LeftPressTimers(inside));
}

void CTimerEditDlg::OnLButtonUp(POINT point)
{
    CSkinnedDialog::OnLButtonUp(point);
    const bool endedDrag = m_drag.m_bDragging != FALSE;
    m_drag.End(m_hWnd, point);
    ApplyTimers(LeftReleaseTimers(endedDrag));
    ReleaseHeldMouse();

    // A release outside the editor (it holds the mouse) acts nowhere.
    ActOnPlace(PlaceAt(point));
}

void CTimerEditDlg::ActOnPlace(int place)
{
    if (IsIconCell(place)) {
        m_nIconCode = g_iconCatalogue.CodeAt(place - kIconCellFirst);
        TellReaders(place);
        Invalidate();
    } else if (place == OkButton) {
        Commit(true);
    } else if (place == CancelButton) {
        ShowWindow(SW_HIDE);
    } else if (place >= 0) {
        Step(ClickSpin(place), place);
        TellReaders(place);
        Invalidate();
    }
}

void CTimerEditDlg::OnLButtonDblClk(POINT point)
{
    CSkinnedDialog::OnLButtonDblClk(point);
    m_drag.Start(m_hWnd, point, m_canvas.Scale());  // whatever lies under the point
    const int place = PlaceAt(point);
    if (IsIconCell(place)) {
        m_nIconCode = g_iconCatalogue.CodeAt(place - kIconCellFirst);
        Commit(false);  // the name box is not read
    }
}

void CTimerEditDlg::OnMouseMove(POINT point)
{
    CSkinnedDialog::OnMouseMove(point);
    // A hidden editor never becomes active: it would take the keys meant for the
    // bar. (After a double-click commit the moves of the same press still come
    // here; Windows activates a hidden window, Wine does not, so only Windows shows it.)
    if (IsWindowVisible()) ::SetActiveWindow(m_hWnd);
    m_drag.Move(m_hWnd, point);
}

void CTimerEditDlg::OnRButtonDown(POINT point)
{
    CSkinnedDialog::OnRButtonDown(point);
    m_drag.m_ptPress = point;
    const bool inside = PlaceAt(point) >= 0;
    if (inside) HoldMouse();
    ApplyTimers(RightPressTimers(inside));
}

void CTimerEditDlg::OnRButtonUp(POINT point)
{
    CSkinnedDialog::OnRButtonUp(point);
    ApplyTimers(RightReleaseTimers());
    ReleaseHeldMouse();
}

BOOL CTimerEditDlg::OnMouseWheel(short delta, POINT screenPoint)
{
    if (delta == 0) return FALSE;
    const RECT window = GetWindowRect();
    const PixelPoint point = ScaledDown({screenPoint.x - window.left, screenPoint.y - window.top}, m_canvas.Scale());
    const int place = PlaceAt({point.x, point.y});
    const Spin spin = WheelSpin(place, delta);
    if (spin != Spin::None) {
        Step(spin, place);
        Invalidate();
    }
    return TRUE;
}

void CTimerEditDlg::OnTimer(UINT_PTR nIDEvent)
{
    CSkinnedDialog::OnTimer(nIDEvent);
    if (nIDEvent > TimerRightRepeat) return;
    const unsigned id = static_cast<unsigned>(nIDEvent);
    const int place = PlaceAt(m_drag.m_ptPress);
    ApplyTimers(TickTimers(id, place >= 0));
    if (place < 0 || (id != TimerLeftRepeat && id != TimerRightRepeat)) return;
    Step(id == TimerLeftRepeat ? LeftRepeatSpin(place) : RightRepeatSpin(place), place);
    TellReaders(place);
    RefreshWindows(Repaint::Digits);
}

void CTimerEditDlg::OnShowWindow(BOOL bShow)
{
    CSkinnedDialog::OnShowWindow(bShow);
    if (bShow) return;
    // Hidden (a commit, Cancel) in the middle of a hold or a drag: both end.
    DropMouse();
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (BarWindow()) ::SetFocus(BarWindow());
}

void CTimerEditDlg::OnCaptureChanged(HWND hWndNew)
{
    if (hWndNew != m_hWnd) DropMouse();
    CSkinnedDialog::OnCaptureChanged(hWndNew);
}

void CTimerEditDlg::OnCancelMode()
{
    DropMouse();
    CSkinnedDialog::OnCancelMode();  // releases the capture
}

void CTimerEditDlg::HoldMouse()
{
    ::SetCapture(m_hWnd);
}

void CTimerEditDlg::ReleaseHeldMouse()
{
    if (!m_drag.m_bDragging && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CTimerEditDlg::DropMouse()
{
    ApplyTimers(MouseLostTimers());
    m_drag.Cancel();
}

void CTimerEditDlg::Commit(bool withName)
{
    // What the editor shows now goes to the slot and the set it shows now: the
    // report of a long name below runs a message loop, in which the bar stays
    // usable and may open the editor on another slot.
    const int index = m_nSlot;
    const SetId set = m_set;
    const unsigned opening = m_nOpening;
    SlotRecord edited{};
    edited.icon = m_nIconCode;
    edited.duration = EditedTotal();
    edited.cooldown = EditedCooldown();
    edited.name = SlotName(m_base);
    if (withName) {
        const std::wstring name = WindowText(m_nameBox);
        UpdateData(TRUE);  // a name too long is reported, and committed cut to the field
        char field[kSlotNameSize];
        CopySlotName(field, WideToMultiByte(name), AppProfile());
        edited.name = field;
    }
    const bool stored = StoreSlotEdit(set, index, edited);
    if (m_nOpening != opening) {
        // Opened again meanwhile: that edit goes on, from what is stored now.
        if (m_nSlot == index && m_set == set) Reload();
        RefreshWindows(Repaint::EditorAndBar);
        return;
    }
    if (!stored) TellSetGone(m_strSetName);
    // The offsets now live in the slot; the editor shows the same times.
    Reload();
    m_nTimeOffset = 0;
    m_nCooldownOffset = 0;
    RefreshWindows(Repaint::EditorAndBar);
    ShowWindow(SW_HIDE);
}

void CTimerEditDlg::RefreshWindows(Repaint what)
{
    if (what == Repaint::Digits) {
        // A held button changes the digits alone, every 30 ms: repaint just them.
        for (const auto* columns : {kDurationColumns, kCooldownColumns}) {
            const HitRect& first = EditorPlaceRect(columns[0][1]);
            const HitRect& last = EditorPlaceRect(columns[2][1]);
            m_canvas.InvalidateFrameArea(m_hWnd, RECT{first.left, first.top, last.right, last.bottom});
        }
        return;
    }
    Invalidate();
    if (BarWindow() && ::IsWindowVisible(BarWindow())) ::InvalidateRect(BarWindow(), nullptr, FALSE);
}

void CTimerEditDlg::OnDestroy()
{
    Leave(ProgramWindow::Editor);
    SavePlace();
    CSkinnedDialog::OnDestroy();
}

void CTimerEditDlg::PostNcDestroy()
{
    delete this;
}
