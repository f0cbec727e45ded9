// A skinned window of the program (the bar, the editor): its canvas, shown at
// a whole-pixel scale k from its monitor's DPI and the "double size" choice,
// with mouse points brought back to the skin's 1x pixels before any handler.
#pragma once

#include "common/ProgramDialog.h"
#include "skin/SkinCanvas.h"

// The DPI of the window's monitor; on systems before per-monitor DPI, the screen's.
int WindowDpi(HWND hWnd);

class CSkinnedDialog : public CProgramDialog {
public:
    using CProgramDialog::CProgramDialog;

    // Stores the "double size" choice of every skinned window; those that
    // exist take their new scale at once.
    static void SetDoubleSize(bool on);

protected:
    // Dresses the window in its skin at the scale of its monitor (OnInitDialog).
    void DressInSkin(UINT nIDSkin);
    // A window shown larger than its skin lies whole on its monitor's work
    // area, as far as it fits: double size must not push its buttons off a
    // small screen. After it was placed, and after every scale that grew.
    void KeepScaledOnScreen();
    // A rectangle of the skin (1x) where it shows on the screen now.
    RECT OnScreen(const RECT& skinRect) const;
    // The DPI changes, a size asked for during a move to another monitor, a
    // new double-size choice, and 1x mouse points.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnDisplayChange() override;
    // Every paint: the frame's area for the paint rectangle is composed at 1x
    // by the window and reaches the screen k times larger.
    void OnPaint() final;
    virtual void ComposeFrame(HDC dc) = 0;
    // After the scale changed: the window's own children follow it.
    virtual void OnScaleChanged() {}
    // After the language changed, with the skin and sprites already in it:
    // the texts the window keeps.
    virtual void OnLanguageShown() {}

    SkinCanvas m_canvas;

private:
    void TakeScale(int dpi, const POINT* topLeft);
};
