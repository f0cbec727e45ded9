#include "bar/TimerBarDlg.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "common/AppSettings.h"
#include "sets/KeptEnds.h"
#include "sets/Sets.h"
#include "bar/BarLayout.h"
#include "bar/BarMenu.h"
#include "framework/Keyboard.h"
#include "framework/WinApp.h"
#include "model/IconCatalogue.h"
#include "model/SettingsStore.h"
#include "model/TimerSlots.h"
#include "play/FrontProgram.h"
#include "play/FrontWatch.h"
#include "model/KeysLight.h"
#include "model/PlayGuards.h"
#include "play/TriggerHook.h"
#include "play/AlertSounds.h"
#include "play/SpokenAlerts.h"
#include "play/KeysEverywhere.h"
#include "res/resource.h"
#include "skin/SpriteCache.h"

namespace {

constexpr COLORREF kBoxWhite = RGB(255, 255, 255);
constexpr COLORREF kBoxRed = RGB(255, 0, 0);
constexpr int kThickFrameExtra = 2;  // pixels of frame a shape warning adds inside the box's own
constexpr int kTitleGap = 4;  // between the title and the marks after it
constexpr int kLockWidth = 7;
constexpr int kLightSize = 9;
constexpr int kLockHeight = 10;
constexpr UINT kStartTickMs = 50;
// A slot not ready again shows its time greyed; a refused press flashes its box this long.
constexpr COLORREF kAfterEffectGrey = RGB(128, 128, 128);
constexpr UINT_PTR kRefusedFlashTimerId = 19104886;
constexpr UINT kRefusedFlashMs = 250;

}  // namespace

CTimerBarDlg::CTimerBarDlg(CWnd* pParent)
    : CSkinnedDialog(IDD_TIMER_BAR, pParent)
{
    LoadTitleTexts();
    m_fontTitle.CreateFontW(12, FW_DONTCARE, DEFAULT_CHARSET, L"굴림");
    m_fontTime.CreateFontW(15, FW_BOLD, DEFAULT_CHARSET, L"Times New Roman");
    m_brushWhite.CreateSolidBrush(kBoxWhite);
    m_brushRed.CreateSolidBrush(kBoxRed);
}

BOOL CTimerBarDlg::OnInitDialog()
{
    CSkinnedDialog::OnInitDialog();
    Register(ProgramWindow::Bar);
    DressInSkin(IDB_BAR_SKIN);
    // Off the taskbar and the task switcher: the host carries the program's entry.
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW, 0);
    RestoreWindowPosition(this, kEntryMainWinLeft, kEntryMainWinTop);
    KeepScaledOnScreen();
    m_seeThrough.Follow(m_hWnd);
    ScheduleTick();
    StartKeysEverywhere(m_hWnd);
    m_bAlwaysOnTop = AppProfile().GetInt(kSectionOption, kEntryAlwaysOnTop, 0);
    if (m_bAlwaysOnTop) {
        const RECT rect = GetWindowRect();
        SetWindowPos(HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     SWP_SHOWWINDOW);
    }
    return TRUE;
}

void CTimerBarDlg::ComposeFrame(HDC dc)
{
    const std::int32_t now = CurrentSlotTime();
    PaintSlots(dc, now);
    PaintTexts(dc, now);
    m_lastView = MakeBarView(g_timerSlots, now, m_nHover, m_bAlwaysOnTop, IsSwitchOn(WindowSwitch::ShapeWarning));
}

void CTimerBarDlg::PaintSlots(HDC dc, std::int32_t now)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const TimerSlot& slot = g_timerSlots[i];
        const HitRect& box = BarHitRects[i];
        const std::int32_t bitmapId = g_iconCatalogue.BitmapOf(g_iconCatalogue.CodeOfSlotIcon(slot.icon));
        const KeyedSprite* icon =
            bitmapId != 0 ? ResourceSprite(static_cast<UINT>(bitmapId), IsSlotAfterEffect(slot)) : nullptr;
        // No bitmap, no box: the skin shows through, the number and time still show.
        if (!icon) continue;

        CSelectObject selectBrush(dc, IsSlotWarning(slot, now) || m_nRefused == i ? m_brushRed : m_brushWhite);
        ::Rectangle(dc, box.left, box.top, box.right, box.bottom);
        if (SlotWarningShape(slot, now, IsSwitchOn(WindowSwitch::ShapeWarning)).thickFrame) {
            // Three pixels of frame in place of one: a warning without colour.
            for (int inset = 1; inset <= kThickFrameExtra; ++inset) {
                const RECT frame{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
                ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
            }
        }

        const SIZE size = icon->Size();
        const PixelPoint at = BarIconPosition(box, size.cx, size.cy, slot.state == Running, now);
        m_canvas.DrawSprite(icon, at.x, at.y);
    }

    const HitRect& pin = BarHitRects[kBarPinRect];
    m_canvas.DrawSprite(ResourceSprite(m_bAlwaysOnTop ? IDB_PIN_ON : IDB_PIN_OFF), pin.left, pin.top, pin.Width(),
                        pin.Height());
    const HitRect& close = BarHitRects[kBarCloseRect];
    m_canvas.DrawSprite(ResourceSprite(IDB_BAR_CLOSE), close.left, close.top, close.Width(), close.Height());
}

void CTimerBarDlg::PaintTexts(HDC dc, std::int32_t now)
{
    ::SetBkMode(dc, TRANSPARENT);
    PaintTitle(dc);

    CSelectObject selectTime(dc, m_fontTime);
    const int frameWidth = m_canvas.Size().cx;  // names stay inside the 1x frame at any scale
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const TimerSlot& slot = g_timerSlots[i];
        const HitRect& timeBox = BarHitRects[kBarTimeBoxFirst + i];

        RECT number = ToRect(BarNumberRect(BarHitRects[i]));
        const std::string digit = std::to_string(i + 1);
        ::DrawTextA(dc, digit.c_str(), -1, &number, DT_SINGLELINE | DT_RIGHT);

        // The time is wider than its box in this font: centred on the box and
        // clipped only to the slot's column, so that times under ten hours
        // stay whole and longer ones never run into a neighbour.
        RECT time = ToRect(timeBox);
        const HitRect column = BarTimeColumn(timeBox);
        const int saved = ::SaveDC(dc);
        ::IntersectClipRect(dc, column.left, column.top, column.right, column.bottom);
        const std::string text = SlotTimeText(slot);
        if (IsSlotAfterEffect(slot)) ::SetTextColor(dc, kAfterEffectGrey);
        // The "+" of a count is wider than the space it takes: a pixel less
        // between the characters keeps the count whole in its column.
        if (slot.state == CountingUp) ::SetTextCharacterExtra(dc, -1);
        if (!SlotWarningShape(slot, now, IsSwitchOn(WindowSwitch::ShapeWarning)).digitsOut) {
            ::DrawTextA(dc, text.c_str(), -1, &time, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOCLIP);
        }
        ::RestoreDC(dc, saved);  // and the text's colour and spacing

        if (m_nHover == i) {
            // The name is bytes of the ANSI code page, measured and drawn as such.
            CSelectObject selectName(dc, m_fontTitle);
            const std::string name = SlotName(slot);
            SIZE extent{0, 0};
            ::GetTextExtentPoint32A(dc, name.c_str(), static_cast<int>(name.size()), &extent);
            RECT place = ToRect(BarNameRect(timeBox, extent.cx, frameWidth));
            // The player's text as it is: an "&" is no underline marker.
            ::DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &place,
                        DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX);
        }
    }
}

void CTimerBarDlg::LoadTitleTexts()
{
    m_strTitle = LoadResourceString(IDS_TITLE);
    m_strPaused = LoadResourceString(IDS_PAUSED);
    m_strElevatedMark = LoadResourceString(IDS_ELEVATED_MARK);
}

void CTimerBarDlg::OnLanguageShown()
{
    LoadTitleTexts();
    TellReadersAllChanged();
    Invalidate();
}

void CTimerBarDlg::FollowSetChange(SetId id, LPARAM what)
{
    if (what & SetShown) {
        // Another set's slots; a running slot ends at its own tick.
        m_pressMemory = PressMemory{};
        ::SetTimer(m_hWnd, BarTimerId, kStartTickMs, nullptr);
    }
    if (id == ShownSetId() && (what & (SetShown | SetKeysChanged))) FollowStoredTriggers();
    if (what & (SetShown | SetSlotsChanged)) TellReadersAllChanged();
    // The title names the set shown where there are more; any change may show.
    Invalidate();
}

void CTimerBarDlg::PaintTitle(HDC dc)
{
    CSelectObject selectFont(dc, m_fontTitle);
    const bool locked = IsOptionOn(ClickThrough);
    RECT title = kBarTitleRect;
    if (locked) title.right -= kLockWidth + kTitleGap;
    const std::wstring titleText = TitleText();
    // Clipped to the title's place, however long the set's name.
    ::DrawTextW(dc, titleText.c_str(), -1, &title, DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (!locked && m_light.light == KeysLight::None) return;  // the common frame measures nothing
    SIZE extent{0, 0};
    ::GetTextExtentPoint32W(dc, titleText.c_str(), static_cast<int>(titleText.size()), &extent);
    int after = static_cast<int>(std::min<LONG>(title.left + extent.cx, title.right)) + kTitleGap;
    if (locked) {
        PaintLock(dc, after);
        after += kLockWidth + kTitleGap;
    }
    if (m_light.light != KeysLight::None) PaintLight(dc, after);
}

std::wstring CTimerBarDlg::TitleText() const
{
    std::wstring text = m_strTitle;
    if (SetCount() > 1) text += L" - " + ShownSetName();
    if (m_bPaused) text += L" " + m_strPaused;
    return text;
}

void CTimerBarDlg::PaintLight(HDC dc, int left)
{
    // A round light in its own colour, ringed dark so it reads on the skin's blue too.
    const int top = (kBarTitleRect.top + kBarTitleRect.bottom - kLightSize) / 2;
    const COLORREF colour = m_light.light == KeysLight::Red ? RGB(220, 0, 0) : RGB(255, 170, 0);
    const HBRUSH hBrush = ::CreateSolidBrush(colour);
    CSelectObject selectBrush(dc, hBrush);
    CSelectObject selectPen(dc, ::GetStockObject(BLACK_PEN));
    ::Ellipse(dc, left, top, left + kLightSize, top + kLightSize);
    ::DeleteObject(hBrush);
}

void CTimerBarDlg::PaintLock(HDC dc, int left)
{
    // A padlock in the dark grey the title's text shows as: a shackle of three strokes over a solid body.
    const int top = (kBarTitleRect.top + kBarTitleRect.bottom - kLockHeight) / 2;
    const auto ink = static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH));
    const RECT parts[] = {{left + 1, top, left + kLockWidth - 1, top + 1},
                          {left + 1, top, left + 2, top + 4},
                          {left + kLockWidth - 2, top, left + kLockWidth - 1, top + 4},
                          {left, top + 4, left + kLockWidth, top + kLockHeight}};
    for (const RECT& part : parts) ::FillRect(dc, &part, ink);
}

void CTimerBarDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kSeeThroughTimerId) {
        m_seeThrough.Poll(m_hWnd);
        return;
    }
    if (nIDEvent == kRefusedFlashTimerId) {
        ::KillTimer(m_hWnd, kRefusedFlashTimerId);
        m_nRefused = -1;
        Invalidate();
        return;
    }
    if (nIDEvent != BarTimerId) {
        CSkinnedDialog::OnTimer(nIDEvent);
        return;
    }
    const std::int32_t now = CurrentSlotTime();
    const SlotTickCues cues = TickSlotsWithAlerts(g_timerSlots, CurrentAlerts(), now);
    // Several sounds due in one tick give one; the slots that speak, one utterance.
    SoundTick(cues);
    TellReaders(cues);
    for (int i = 0; i < kTimerSlotCount; ++i) {
        if (cues.repeated & (1u << i)) KeepSlotEnd(i);  // its end moved on
    }
    WatchKeysEverywhere();
    FollowFront();  // the front watch tells at once; the tick makes sure
    const BarView view = MakeBarView(g_timerSlots, now, m_nHover, m_bAlwaysOnTop, IsSwitchOn(WindowSwitch::ShapeWarning));
    if (view != m_lastView) Invalidate();
    ScheduleTick();
    CSkinnedDialog::OnTimer(nIDEvent);
}

void CTimerBarDlg::ScheduleTick()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    // Setting the timer again replaces its period.
    ::SetTimer(m_hWnd, BarTimerId, static_cast<UINT>(MillisecondsToNextTick(milliseconds)), nullptr);
}

void CTimerBarDlg::SeeOwnKey(unsigned key, bool down, bool repeat)
{
    if (HooksSee(key)) return;
    const unsigned modifiers = HeldModifiers();
    const auto time = static_cast<std::uint32_t>(::GetMessageTime());
    if (down) {
        m_presses.Down(key, modifiers, time, repeat);
        return;
    }
    const KeyPresses::Release release = m_presses.Up(key, modifiers, time);
    ActOnRelease(SlotOfRelease(CurrentTriggers(), release.trigger), release.heldMs);
}

void CTimerBarDlg::WatchKeysEverywhere()
{
    CheckKeysEverywhere();
    FollowKeysLight();
}

void CTimerBarDlg::FollowKeysLight()
{
    const bool applied = IsOptionOn(TriggersEverywhere);
    const KeysLightState light = KeysLightOf({IsOptionChosen(TriggersEverywhere), applied,
                                              applied && CurrentFrontProgram().aboveUs, m_bPaused,
                                              HookReinstallsLately()});
    if (light == m_light) return;
    m_light = light;
    std::wstring advice;
    switch (light.advice) {
    case KeysAdvice::RestartAsAdministrator:
        advice = m_strElevatedMark + L" " + LoadResourceString(IDS_LIGHT_ELEVATED);
        break;
    case KeysAdvice::PressPauseAgain:
        advice = LoadResourceString(IDS_LIGHT_PAUSED);
        break;
    case KeysAdvice::SecurityProgram:
        advice = LoadResourceString(IDS_LIGHT_REFUSED);
        break;
    default:
        break;
    }
    m_titleTip.Show(m_hWnd, TitleArea(), advice);
    Invalidate();
}

RECT CTimerBarDlg::TitleArea() const
{
    const int k = m_canvas.Scale();
    return {kBarTitleRect.left * k, kBarTitleRect.top * k, kBarTitleRect.right * k, kBarTitleRect.bottom * k};
}

void CTimerBarDlg::OnScaleChanged()
{
    // The tooltip's place follows the title's at the new size.
    m_titleTip.Show(m_hWnd, TitleArea(), std::wstring(m_titleTip.Text()));
}

void CTimerBarDlg::TogglePause()
{
    m_bPaused = !m_bPaused;
    FollowFront();
    FollowKeysLight();
    Invalidate();
}

void CTimerBarDlg::FollowFront()
{
    const bool gameNamed = !GameProgram().empty();
    const bool chosen = IsSwitchOn(WindowSwitch::HideWithoutGame) && gameNamed;
    WatchFront(m_hWnd, chosen);  // the system asked only while the choice needs it
    if (!chosen && !m_bHiddenWithoutGame) return;  // as the bar always was: nothing to look at
    HWND hWndFront = ::GetForegroundWindow();
    const FrontWindow front = IsWindowOfThisProcess(hWndFront) ? FrontWindow::Ours
                              : IsChosenGameInFront()         ? FrontWindow::Game
                                                              : FrontWindow::Other;
    const bool hide = IsBarHidden(chosen, gameNamed, m_bPaused, front);
    if (hide == m_bHiddenWithoutGame) return;
    m_bHiddenWithoutGame = hide;
    // Hidden, it is gone from the screen and from clicks; shown again where it was, the game keeping the keyboard.
    ShowWindow(hide ? SW_HIDE : SW_SHOWNOACTIVATE);
}

void CTimerBarDlg::OnTriggerReleased(Trigger trigger, std::uint32_t heldMs)
{
    const int index = SlotOfRelease(CurrentTriggers(), trigger);
    if (index < 0) return;
    if (IsWindowOfThisProcess(::GetForegroundWindow())) {
        if (FocusTakesKey(TriggerKey(trigger), TriggerModifiers(trigger))) return;
    } else if ((m_bPaused && index != kPauseHolder) || !IsChosenGameInFront()) {
        return;
    }
    ActOnRelease(index, heldMs);
}

void CTimerBarDlg::ActOnRelease(int index, std::uint32_t heldMs)
{
    if (index == kPauseHolder) {
        TogglePause();
        return;
    }
    if (index == kNextSetHolder) {
        ShowNextSet();  // the set shown tells the bar
        return;
    }
    if (index == kReadAllHolder) {
        SayTimesLeft();
        return;
    }
    if (index < 0) return;
    const std::int32_t now = CurrentSlotTime();
    switch (DecidePress(CurrentTriggers(), index, static_cast<SlotState>(g_timerSlots[index].state), heldMs,
                        static_cast<std::uint32_t>(::GetMessageTime()), m_pressMemory)) {
    case PressAction::Nothing:
        return;
    case PressAction::Refuse:
        m_nRefused = index;
        ::SetTimer(m_hWnd, kRefusedFlashTimerId, kRefusedFlashMs, nullptr);
        Invalidate();
        return;
    case PressAction::Restart:
        ToggleTimerSlot(index, now);  // stopped, and started below from its full duration
        [[fallthrough]];
    case PressAction::Toggle:
    case PressAction::Stop:
        ToggleTimerSlot(index, now);
        break;
    }
    KeepSlotEnd(index);
    TellReaders({});
    // A slot of no time ends at a tick soon after its start, not at the next second.
    if (g_timerSlots[index].state == Running) ::SetTimer(m_hWnd, BarTimerId, kStartTickMs, nullptr);
    Invalidate();
}

bool CTimerBarDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_GETOBJECT:
        *result = m_access.Answer(m_hWnd, wParam, lParam, *this);
        if (*result != 0) return true;
        break;
    case kReaderPressMessage:
        PressPart(static_cast<int>(wParam));
        *result = 0;
        return true;
    case WM_MOUSEACTIVATE:
        // A right press opens the menu over the game without taking its place in front.
        if (HIWORD(lParam) == WM_RBUTTONDOWN) {
            *result = MA_NOACTIVATE;
            return true;
        }
        break;
    case kSaveStateMessage:
        SaveState();
        *result = 0;
        return true;
    case kSeeThroughMessage:
        m_seeThrough.Follow(m_hWnd);
        Invalidate();  // the lock at the title
        *result = 0;
        return true;
    case kFrontChangedMessage:
        FollowFront();
        *result = 0;
        return true;
    case kWindowSwitchMessage:
        FollowFront();
        Invalidate();
        *result = 0;
        return true;
    case kSetChangedMessage:
        FollowSetChange(static_cast<SetId>(wParam), lParam);
        *result = 0;
        return true;
    case kForwardedKeyMessage: {
        const KeyEvent key = ForwardedKey(wParam);
        SeeOwnKey(key.key, key.down, key.repeat);
        *result = 0;
        return true;
    }
    case kTriggerReleasedMessage:
        OnTriggerReleased(static_cast<Trigger>(wParam), static_cast<std::uint32_t>(lParam));
        *result = 0;
        return true;
    default:
        break;
    }
    return CSkinnedDialog::OnWndMsg(message, wParam, lParam, result);
}

void CTimerBarDlg::OnKey(const KeyEvent& key)
{
    SeeOwnKey(key.key, key.down, key.repeat);
    CSkinnedDialog::OnKey(key);  // and on to the default processing (Alt+F4 closes)
}

void CTimerBarDlg::OnOtherButton(const ButtonEvent& button)
{
    SeeOwnKey(button.key, button.down, false);
    CSkinnedDialog::OnOtherButton(button);
}

void CTimerBarDlg::OnActivate(bool active)
{
    // A key pressed here and released elsewhere never comes back up here.
    if (!active) m_presses.Forget();
    CSkinnedDialog::OnActivate(active);
}

void CTimerBarDlg::OnPowerResume()
{
    RenewKeysEverywhere();
    CSkinnedDialog::OnPowerResume();
}

void CTimerBarDlg::OnSessionChange(UINT event)
{
    if (event == WTS_SESSION_UNLOCK) RenewKeysEverywhere();
    CSkinnedDialog::OnSessionChange(event);
}

void CTimerBarDlg::OnLButtonDown(POINT point)
{
    m_drag.Start(m_hWnd, point, m_canvas.Scale());
    CSkinnedDialog::OnLButtonDown(point);
}

void CTimerBarDlg::OnMouseMove(POINT point)
{
    m_titleTip.Relay(m_hWnd);
    m_drag.Move(m_hWnd, point);
    const int hover = FindHitRect(BarHitRects, kBarHitRectCount, point.x, point.y);
    if (hover != m_nHover) {
        m_nHover = hover;  // shows or hides a slot's name
        Invalidate();
    }
    m_seeThrough.PointerMoved(m_hWnd);
    CSkinnedDialog::OnMouseMove(point);
}

void CTimerBarDlg::OnMouseLeave()
{
    m_seeThrough.PointerLeft(m_hWnd);
    CSkinnedDialog::OnMouseLeave();
}

void CTimerBarDlg::OnLButtonUp(POINT point)
{
    m_drag.End(m_hWnd, point);
    // Every release acts where it lands, dragged or not: after a drag the
    // window has followed the pointer, so that is where the press was.
    const int hit = FindHitRect(BarHitRects, kBarHitRectCount, point.x, point.y);
    switch (hit) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8:  // the icon boxes
        if (EditorWindow()) ::SendMessageW(EditorWindow(), kOpenSlotMessage, hit, m_bAlwaysOnTop ? 1 : 0);
        break;
    case kBarPinRect:
        ToggleAlwaysOnTop();
        break;
    case kBarCloseRect:
        SendMessage(WM_CLOSE);
        break;
    default:
        break;
    }
    CSkinnedDialog::OnLButtonUp(point);
}

void CTimerBarDlg::OnRButtonUp(POINT point)
{
    // At the pointer on the screen: the point handed in is the skin's, 1x.
    ShowBarMenu(m_hWnd, PointFromLParam(static_cast<LPARAM>(::GetMessagePos())));
    CSkinnedDialog::OnRButtonUp(point);
}

void CTimerBarDlg::OnCaptureChanged(HWND hWndNew)
{
    if (hWndNew != m_hWnd) m_drag.Cancel();
    CSkinnedDialog::OnCaptureChanged(hWndNew);
}

void CTimerBarDlg::OnCancelMode()
{
    m_drag.Cancel();
    CSkinnedDialog::OnCancelMode();
}

void CTimerBarDlg::ToggleAlwaysOnTop()
{
    m_bAlwaysOnTop = m_bAlwaysOnTop ? 0 : 1;
    const RECT rect = GetWindowRect();
    SetWindowPos(m_bAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_SHOWWINDOW);
    // An open editor stays above the bar.
    if (EditorWindow()) ::SendMessageW(EditorWindow(), kBarPinnedMessage, m_bAlwaysOnTop ? 1 : 0, 0);
    CAccessibleWindow::TellStateChanged(m_hWnd, kPinPart);
    Invalidate();
}

void CTimerBarDlg::OnDestroy()
{
    Leave(ProgramWindow::Bar);
    StopKeysEverywhere();
    WatchFront(m_hWnd, false);
    SaveState();
    CSkinnedDialog::OnDestroy();
}

void CTimerBarDlg::SaveState()
{
    SaveWindowPosition(this, kEntryMainWinLeft, kEntryMainWinTop);
    AppProfile().WriteInt(kSectionOption, kEntryAlwaysOnTop, m_bAlwaysOnTop);
}

void CTimerBarDlg::PostNcDestroy()
{
    delete this;
}
