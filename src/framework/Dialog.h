// Dialogs from templates, modal and modeless. Stands in for the application
// framework's CDialog.
#pragma once

#include "framework/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog and runs its own message loop until EndDialog; the
    // loop shows a hidden dialog at its first idle moment.
    INT_PTR DoModal();
    // A modeless dialog that deletes itself after its last message: its
    // window, or null with the object gone (one whose window came and went
    // deleted itself; one that never got a window is deleted here).
    static HWND CreateSelfDeleting(CDialog* pDialog, UINT nIDTemplate);
    void EndDialog(int nResult);
    // FALSE: members to controls; TRUE: controls to members, with the checks.
    // FALSE when a check failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Keyboard and mouse messages go through the dialog manager.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // The first exchange fills the controls.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
    HWND CreateFromTemplate(UINT nIDTemplate, HWND hWndOwner, bool* pBound = nullptr);
    void RunModalLoop();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bContinueModal = false;
    int m_nModalResult = -1;
};
