// The timer bar: the program's visible main window with the nine slots, the
// title, the pin (always on top) and the close button.
#pragma once

#include <cstdint>
#include <string>

#include "common/SkinnedDialog.h"
#include "bar/BarSeeThrough.h"
#include "bar/BarView.h"
#include "bar/TitleTip.h"
#include "model/KeysLight.h"
#include "framework/Gdi.h"
#include "model/TimerSets.h"
#include "model/Triggers.h"
#include "skin/SkinCanvas.h"
#include "skin/WindowDrag.h"
#include "access/AccessibleWindow.h"
#include "model/SlotReading.h"

// The bar's countdown timer, for the window's whole life: it fires just past
// each second of the wall clock, when what the bar shows may change.
constexpr UINT_PTR BarTimerId = 19104884;
// Where the title is drawn, at 1x.
constexpr RECT kBarTitleRect{7, 3, 200, 20};

// For a screen reader the bar is a list of its nine slots (each named with its
// number and name, its time as shown for value, its key for shortcut), then
// its title, its pin and its close button.
class CTimerBarDlg : public CSkinnedDialog, private AccessibleParts {
public:
    explicit CTimerBarDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    // The messages without a handler of their own: a right press that leaves
    // the game in front, the triggers the hooks and the other windows pass
    // on, and the save before the session ends.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnKey(const KeyEvent& key) override;
    void OnOtherButton(const ButtonEvent& button) override;
    void OnActivate(bool active) override;
    void OnPowerResume() override;
    void OnSessionChange(UINT event) override;
    void PostNcDestroy() override;
    void ComposeFrame(HDC dc) override;
    void OnLanguageShown() override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnLButtonDown(POINT point) override;
    void OnMouseMove(POINT point) override;
    void OnMouseLeave() override;
    void OnLButtonUp(POINT point) override;
    void OnRButtonUp(POINT point) override;
    void OnCaptureChanged(HWND hWndNew) override;
    void OnCancelMode() override;
    void OnDestroy() override;

private:
    // Writes the bar's place and the pin, as its close does.
    void SaveState();
    void PaintSlots(HDC dc, std::int32_t now);
    void PaintTexts(HDC dc, std::int32_t now);
    // The title, what a pause adds to it, and the mark of a game above us.
    void LoadTitleTexts();
    // What the sets' owner told: a switch, or a change of the set shown (its
    // keys the hooks follow) or of another (the title's count of sets).
    void FollowSetChange(SetId id, LPARAM what);
    // Hidden while the one game is not in front, where the player chose so.
    void FollowFront();
    // The light after the title and its tooltip, as the keys are doing.
    void FollowKeysLight();
    void PaintLight(HDC dc, int left);
    // The title's place in the client at the window's scale.
    RECT TitleArea() const;
    void OnScaleChanged() override;
    void PaintTitle(HDC dc);
    // The lock at the title while clicks pass through the bar.
    void PaintLock(HDC dc, int left);
    void ScheduleTick();
    void ToggleAlwaysOnTop();
    // The title as drawn: the set shown where there are more, a pause.
    std::wstring TitleText() const;
    // A screen reader's parts of the bar (BarAccess.cpp): the slots, then these.
    enum BarPart { kTitlePart = kTimerSlotCount + 1, kPinPart, kClosePart };
    int PartCount() const override;
    AccessiblePart Part(int child) const override;
    bool DoDefaultAction(int child) override;
    // A reader's press of the pin or the close button, as a click does.
    void PressPart(int child);
    // Readers are told of each slot whose phase changed (never of a plain
    // second), and hear the words of a warning or an end.
    void TellReaders(const SlotTickCues& cues);
    // Every slot's name and time may have changed: another set, another language.
    void TellReadersAllChanged();
    // A key or button pressed or released at the bar, or forwarded by another
    // of the program's windows. While the hooks see it, theirs acts instead.
    void SeeOwnKey(unsigned key, bool down, bool repeat);
    // A trigger released anywhere, as the hooks report it. What it does is
    // decided here alone: in one of the program's windows it acts unless the
    // window with the focus takes the key (a text box its character, the
    // key catcher any key); in another program the pause key pauses the
    // others, and only the chosen game's (if any) act.
    void OnTriggerReleased(Trigger trigger, std::uint32_t heldMs);
    // The release of slot `index`'s trigger (or the pause key's, or -1 for
    // none): starts, stops or restarts its slot.
    void ActOnRelease(int index, std::uint32_t heldMs);
    void TogglePause();
    // While keys come from other programs: the hook still in, the program in front above us.
    void WatchKeysEverywhere();

    CFont m_fontTitle;
    CFont m_fontTime;
    CBrush m_brushWhite;     // an icon box
    CBrush m_brushRed;       // an icon box in its slot's last minutes, odd seconds
    CWindowDrag m_drag;      // the whole bar is dragged by any point
    CBarSeeThrough m_seeThrough;
    int m_bAlwaysOnTop = 0;  // any non-zero value means on
    int m_nHover = -1;       // BarHitRects index under the pointer, or -1
    BarView m_lastView{};    // what the last frame showed
    KeyPresses m_presses;    // the modifiers and hold of the keys pressed at the bar
    PressMemory m_pressMemory;
    int m_nRefused = -1;  // the slot whose box flashes: a press it refused while cooling
    bool m_bHiddenWithoutGame = false;
    bool m_bPaused = false;      // triggers from other programs wait for the pause key, this run only
    KeysLightState m_light;      // after the title while keys from every program are chosen
    CTitleTip m_titleTip;        // what the light means
    CAccessibleWindow m_access;  // the bar as a screen reader reads it
    SlotPhase m_phases[kTimerSlotCount] = {};  // as readers were last told

    std::wstring m_strTitle;
    std::wstring m_strPaused;        // after the title while paused
    std::wstring m_strElevatedMark;  // in the title's tooltip while a program above us is in front
};
