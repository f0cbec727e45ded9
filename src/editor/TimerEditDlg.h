// The timer editor: the skinned window in which the player picks a slot's
// icon, types its name and sets its duration and cooldown. It works on a copy and changes
// the slot only when the player commits.
#pragma once

#include <cstdint>
#include <string>

#include "common/SkinnedDialog.h"
#include "common/NameBox.h"
#include "access/AccessibleWindow.h"
#include "editor/EditorRules.h"
#include "framework/Gdi.h"
#include "model/TimerSets.h"
#include "skin/SkinCanvas.h"
#include "skin/WindowDrag.h"

// For a screen reader its drawn parts are named: each icon cell, each time's
// arrows and digits, OK and Cancel (the name box is a real edit box).
class CTimerEditDlg : public CSkinnedDialog, private AccessibleParts {
public:
    explicit CTimerEditDlg(CWnd* pParent = nullptr);

    // Starts editing slot 0-8 of the set shown: its icon, name and duration,
    // with no pending change. The edit stays with that set whichever is shown
    // when the player commits. Neither shows nor moves the window.
    void Open(int slot);
    // Shows the editor in front, above the bar also while the bar is always
    // on top (`aboveTopmost`).
    void ShowInFront(bool aboveTopmost);
    // Keeps a shown editor above the bar after the bar's pin changed.
    void KeepAbove(bool aboveTopmost);
    // Writes the editor's place, as its close does.
    void SavePlace();

protected:
    // The bar's requests: open on a slot, stay above a pinned bar; and the
    // save before the session ends.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The name box and its font at the window's scale, where the skin expects it.
    void OnScaleChanged() override;
    void PostNcDestroy() override;
    void ComposeFrame(HDC dc) override;
    void OnLButtonDown(POINT point) override;
    void OnLButtonUp(POINT point) override;
    void OnLButtonDblClk(POINT point) override;
    void OnMouseMove(POINT point) override;
    void OnRButtonDown(POINT point) override;
    void OnRButtonUp(POINT point) override;
    BOOL OnMouseWheel(short delta, POINT screenPoint) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnShowWindow(BOOL bShow) override;
    void OnCaptureChanged(HWND hWndNew) override;
    void OnCancelMode() override;
    void OnDestroy() override;

private:
    void DrawSkinAndIcons(HDC dc);
    void DrawDuration(HDC dc);
    // Where there is more than one set, the title names the edited one.
    void DrawSetName(HDC dc);
    // The edited slot's values as its set holds them now.
    void Reload();

    // One step on the duration, or on the cooldown where `place` is one of its.
    void Step(Spin spin, int place);
    // What a click released on a place does; a reader's press does the same.
    void ActOnPlace(int place);
    // A screen reader's parts of the editor (EditorAccess.cpp).
    int PartCount() const override;
    AccessiblePart Part(int child) const override;
    bool DoDefaultAction(int child) override;
    // Readers are told what a place's action changed: the icon chosen, or a time's digits.
    void TellReaders(int place);
    void ApplyTimers(const TimerChange& change);
    // A press on a place holds the mouse until its release, wherever that is.
    void HoldMouse();
    void ReleaseHeldMouse();
    // Every hold and the drag end at once: the mouse is no longer ours.
    void DropMouse();
    // Writes the edited icon and duration (and with OK the name) into the
    // slot and the registry, and hides the editor.
    void Commit(bool withName);
    // What a change repaints: a held button changes the digits alone, a
    // commit the whole editor and a visible bar.
    enum class Repaint { Digits, EditorAndBar };
    void RefreshWindows(Repaint what);
    std::int32_t EditedTotal() const;
    std::int32_t EditedCooldown() const;

    std::wstring m_strName;
    std::int32_t m_nTimeOffset = 0;  // pending change to the slot's duration, in seconds
    std::int32_t m_nCooldownOffset = 0;  // and to its cooldown
    std::int32_t m_nIconCode = 0;    // the selected catalogue code
    int m_nSlot = 0;                 // the slot being edited, 0-8
    SetId m_set = 0;                 // of this set, the one shown when it opened
    std::wstring m_strSetName;       // its name then, for the box if it goes
    TimerSlot m_base{};              // the slot's values before the edit
    unsigned m_nOpening = 0;         // counts the openings, so a commit knows whether its edit still shows
    CFont m_fontDigits;
    CFont m_fontSetName;
    CPen m_penSelected;
    CPen m_penCell;
    CWindowDrag m_drag;  // m_drag.m_ptPress is also the press point of a hold
    CNameBox m_nameBox;
    CFont m_fontName;  // the name box's font at the window's scale
    CAccessibleWindow m_access;
};
