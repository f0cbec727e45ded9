// What the host, the bar and the editor do alike: Enter and Escape never act
// as OK or Cancel, key releases reach the bar, and the visible windows hand
// every close request to the host.
#pragma once

#include "framework/Dialog.h"

class CProgramDialog : public CDialog {
public:
    using CDialog::CDialog;

    // Discards key-downs of Enter and Escape, so that none of the windows can
    // be confirmed, cancelled or ended by them.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The bar's window while it exists, for the windows that hand it keys,
    // repaints and the focus without knowing its class.
    static HWND BarWindow() { return s_hWndBar; }

protected:
    // The close chain of the bar and the editor: the owner (the host) ends
    // the program. The host overrides it.
    void OnClose() override;
    // Key releases reach the bar; without a bar they get default processing.
    // The bar overrides it.
    void OnKeyUp(UINT nChar) override;
    // No key and no command closes or hides any of the windows: the dialog
    // manager turns Ctrl+Break into Cancel, for one, past the key filter.
    // (Escape meets both guards: the filter drops its key-down before the
    // empty OnCancel could; no test tells one guard from the other.)
    void OnOK() override {}
    void OnCancel() override {}
    // Called by the bar as its window comes and goes.
    static void SetBarWindow(HWND hWnd) { s_hWndBar = hWnd; }

private:
    static HWND s_hWndBar;
};
