// The timer bar: the program's visible main window with the nine slots, the
// title, the pin (always on top) and the close button.
#pragma once

#include <cstdint>
#include <string>

#include "common/SkinnedDialog.h"
#include "bar/BarView.h"
#include "framework/Gdi.h"
#include "skin/SkinCanvas.h"
#include "skin/WindowDrag.h"

// The bar's countdown timer, for the window's whole life: it fires just past
// each second of the wall clock, when what the bar shows may change.
constexpr UINT_PTR BarTimerId = 19104884;

class CTimerBarDlg : public CSkinnedDialog {
public:
    explicit CTimerBarDlg(CWnd* pParent = nullptr);

    // Writes the bar's place and the pin, as its close does.
    void SaveState();

protected:
    BOOL OnInitDialog() override;
    // The messages without a handler of their own: a right press that leaves
    // the game in front, digit keys from other programs, resume and unlock.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PostNcDestroy() override;
    void ComposeFrame(HDC dc) override;
    void OnTimer(UINT_PTR nIDEvent) override;
    void OnKeyUp(UINT nChar) override;
    void OnLButtonDown(POINT point) override;
    void OnMouseMove(POINT point) override;
    void OnLButtonUp(POINT point) override;
    void OnRButtonUp(POINT point) override;
    void OnCaptureChanged(HWND hWndNew) override;
    void OnCancelMode() override;
    void OnDestroy() override;

private:
    void PaintSlots(HDC dc, std::int32_t now);
    void PaintTexts(HDC dc);
    void ScheduleTick();
    void ToggleAlwaysOnTop();
    // Digit key 1 to 9 starts or stops its slot, from the bar or from any program.
    void ToggleSlotOfKey(UINT nChar);

    CFont m_fontTitle;
    CFont m_fontTime;
    CBrush m_brushWhite;     // an icon box
    CBrush m_brushRed;       // an icon box in its slot's last minutes, odd seconds
    CWindowDrag m_drag;      // the whole bar is dragged by any point
    int m_bAlwaysOnTop = 0;  // any non-zero value means on
    int m_nHover = -1;       // BarHitRects index under the pointer, or -1
    BarView m_lastView{};    // what the last frame showed
    std::wstring m_strTitle;
};
