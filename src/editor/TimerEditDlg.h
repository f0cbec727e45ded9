// The timer editor: the skinned window in which the player picks a slot's
// icon, types its name and sets its duration. It works on a copy and changes
// the slot only when the player commits.
#pragma once

#include <cstdint>
#include <string>

#include "common/SkinnedDialog.h"
#include "editor/NameBox.h"
#include "editor/EditorRules.h"
#include "framework/Gdi.h"
#include "skin/SkinCanvas.h"
#include "skin/WindowDrag.h"

class CTimerEditDlg : public CSkinnedDialog {
public:
    explicit CTimerEditDlg(CWnd* pParent = nullptr);

    // Starts editing slot 0-8: its icon, name and duration, with no pending
    // change. Neither shows nor moves the window.
    void Open(int slot);

protected:
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
    void OnDestroy() override;

private:
    void DrawSkinAndIcons(HDC dc);
    void DrawDuration(HDC dc);

    void Step(Spin spin);
    void ApplyTimers(const TimerChange& change);
    // Writes the edited icon and duration (and with OK the name) into the
    // slot and the registry, and hides the editor.
    void Commit(bool withName);
    // Repaints the editor, and with flags bit 0 a visible bar too.
    void RefreshWindows(unsigned flags);
    std::int32_t EditedTotal() const;

    std::wstring m_strName;
    std::int32_t m_nTimeOffset = 0;  // pending change to the slot's duration, in seconds
    std::int32_t m_nIconCode = 0;    // the selected catalogue code
    int m_nSlot = 0;                 // the slot being edited, 0-8
    CFont m_fontDigits;
    CPen m_penSelected;
    CPen m_penCell;
    CWindowDrag m_drag;  // m_drag.m_ptPress is also the press point of a hold
    CNameBox m_nameBox;
    CFont m_fontName;  // the name box's font at the window's scale
};
