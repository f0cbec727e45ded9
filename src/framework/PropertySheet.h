// Standard property sheets: the system's tabbed dialog with OK and Cancel,
// each page bound to an object. comctl32 (version 6, from the manifest) is
// loaded the first time a sheet opens, so a program that never opens one
// never loads it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/LateLibrary.h"

class CPropertyPage {
public:
    explicit CPropertyPage(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}
    virtual ~CPropertyPage() = default;
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    UINT TemplateId() const { return m_nIDTemplate; }
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

protected:
    virtual void OnInitPage() {}
    // A command of the page's controls; true when the page handled it.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/) { return false; }
    // A notification of one of the page's own controls; true when handled,
    // with its answer in *result.
    virtual bool OnControlNotify(const NMHDR& /*header*/, LRESULT* /*result*/) { return false; }
    // A trackbar of the page moved (the control's id).
    virtual void OnSlide(UINT /*id*/) {}
    // The sheet's notifications, each answered only by a page that overrides
    // it. The page becomes the one shown: false keeps the sheet on the last.
    virtual bool OnSetActive() { return true; }
    // The page is left, or OK pressed: false keeps it shown (its values are not right).
    virtual bool OnKillActive() { return true; }
    // OK: takes over what the page shows; false keeps the sheet open.
    virtual bool OnApply() { return true; }
    // Cancel, or the sheet closed otherwise: nothing of the page is kept.
    virtual void OnReset() {}

    // Whether a check box of the page is checked.
    bool IsChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void SetCheck(int id, bool on) const { ::CheckDlgButton(m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED); }

private:
    UINT m_nIDTemplate;
};

// The open sheet's window, or null.
HWND OpenPropertySheet();
// Moves a sheet to its place as it is set up, before it shows.
using SheetPlacer = void(HWND hWndSheet);
// Shows a modal sheet of these pages owned by hWndOwner and returns when it
// closes: IDOK or IDCANCEL. While one is open, brings that one to the front
// and returns 0.
INT_PTR RunPropertySheet(HWND hWndOwner, const std::wstring& caption, const std::vector<CPropertyPage*>& pages,
                         SheetPlacer* place = nullptr);
// comctl32, loaded at its first use and kept.
CLateLibrary& CommonControls();
