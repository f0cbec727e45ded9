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

protected:
    // No key and no command closes or hides any of the windows: the dialog
    // manager turns Ctrl+Break into Cancel, for one, past the key filter.
    void OnOK() override {}
    void OnCancel() override {}
    // The key-up handler of the host and the editor: the bar decides what a
    // released key does; without a bar the release gets default processing.
    LRESULT ForwardKeyUpToBar(UINT nChar);
    // The close handler of the bar and the editor: the owner (the host) ends
    // the program.
    void PassCloseToOwner();
};
