// The timer bar: the program's visible main window with the nine slots, the
// title, the pin (always on top) and the close button.
#pragma once

#include <cstdint>
#include <string>

#include "app/ProgramDialog.h"
#include "bar/BarView.h"
#include "framework/Gdi.h"
#include "skin/SkinCanvas.h"
#include "skin/WindowDrag.h"

// The bar's countdown timer, for the window's whole life: it fires just past
// each second of the wall clock, when what the bar shows may change.
constexpr UINT_PTR BarTimerId = 19104884;

class CTimerBarDlg : public CProgramDialog {
public:
    explicit CTimerBarDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PostNcDestroy() override;

private:
    void OnPaint();
    void PaintSlots(HDC dc, std::int32_t now);
    void PaintTexts(HDC dc);
    void OnTimer(UINT_PTR nIDEvent);
    void ScheduleTick();
    void OnKeyUp(UINT nChar);
    void OnLButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLButtonUp(POINT point);
    void OnDestroy();
    void ToggleAlwaysOnTop();

    CFont m_fontTitle;
    CFont m_fontTime;
    CWindowDrag m_drag;      // the whole bar is dragged by any point
    int m_bAlwaysOnTop = 0;  // any non-zero value means on
    int m_nHover = -1;       // BarHitRects index under the pointer, or -1
    SkinCanvas m_canvas;
    BarView m_lastView{};    // what the last frame showed
    std::wstring m_strTitle;
};
