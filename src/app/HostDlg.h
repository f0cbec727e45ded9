// The hidden, zero-size host window: carries the taskbar entry, owns the bar
// and the editor, loads the slots when created and saves them when closed.
#pragma once

#include "app/ProgramDialog.h"

class CHostDlg : public CProgramDialog {
public:
    explicit CHostDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    int OnCreate();
    // The bar: owned by the host, shown, focused and in the foreground.
    void CreateBar();
    void OnSysCommand(UINT nID);
    void OnPaint();
    void OnClose();
    void OnEndSession(bool ending);

    HICON m_hIcon;
};
