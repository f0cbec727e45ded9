// What the host, the bar and the editor do alike: Enter and Escape never act
// as OK or Cancel, key releases reach the bar, and the visible windows hand
// every close request to the host. The one way each window reaches another.
#pragma once

#include "framework/Dialog.h"

// The program's two visible windows. Each registers as its window is set up
// and leaves as it is destroyed; the others reach it by its handle and the
// messages below, never by its class.
enum class ProgramWindow { Bar, Editor, kCount };

// To the editor: open on slot wParam (0-8) and show in front, above the bar
// when lParam is 1 (the bar is pinned).
constexpr UINT kOpenSlotMessage = WM_APP + 0x20;
// To the editor: the bar's pin is now wParam (0 or 1); a shown editor stays above.
constexpr UINT kBarPinnedMessage = WM_APP + 0x21;
// To the bar: a key went down or up in another of the program's windows;
// wParam the KeyEvent (ForwardedKey reads it).
constexpr UINT kForwardedKeyMessage = WM_APP + 0x23;
WPARAM ForwardedKeyParam(const KeyEvent& key);
KeyEvent ForwardedKey(WPARAM wParam);
// To the host: save everything and start the program again as administrator,
// the new copy taking over from this one.
constexpr UINT kRestartElevatedMessage = WM_APP + 0x24;
// To either: write what its close writes (places, the pin), before the session ends.
constexpr UINT kSaveStateMessage = WM_APP + 0x22;
// To both, from the sets' owner: set wParam (its SetId) changed, in the ways
// of lParam (SetChange bits). With SetShown it is the set shown now.
constexpr UINT kSetChangedMessage = WM_APP + 0x25;
enum SetChange : LPARAM {
    SetShown = 1,
    SetRenamed = 2,
    SetDeleted = 4,
    SetSlotsChanged = 8,  // a slot's icon, name or duration
    SetKeysChanged = 16,
    SetAlertsChanged = 32,
};
// To the bar: its opacity or click-through changed.
constexpr UINT kSeeThroughMessage = WM_APP + 0x26;
// To the bar: a switch of the window page changed (wParam: its WindowSwitch).
constexpr UINT kWindowSwitchMessage = WM_APP + 0x28;
// To both: the program speaks another language now; each shows its texts and pictures in it.
constexpr UINT kLanguageShownMessage = WM_APP + 0x27;
// A screen reader's press of a drawn part, posted to the window that draws it (wParam: which part).
constexpr UINT kReaderPressMessage = WM_APP + 0x29;

class CProgramDialog : public CDialog {
public:
    using CDialog::CDialog;

    // Discards key-downs of Enter and Escape, so that none of the windows can
    // be confirmed, cancelled or ended by them.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // A program window's handle while it exists, or null.
    static HWND Window(ProgramWindow which) { return s_windows[static_cast<int>(which)]; }
    static HWND BarWindow() { return Window(ProgramWindow::Bar); }
    static HWND EditorWindow() { return Window(ProgramWindow::Editor); }

protected:
    // The close chain of the bar and the editor: the owner (the host) ends
    // the program. The host overrides it.
    void OnClose() override;
    // Keys pressed and released in the host and the editor reach the bar too
    // (the slots' triggers), and go on to their default processing.
    void OnKey(const KeyEvent& key) override;
    // No key and no command closes or hides any of the windows: the dialog
    // manager turns Ctrl+Break into Cancel, for one, past the key filter.
    // (Escape meets both guards: the filter drops its key-down before the
    // empty OnCancel could; no test tells one guard from the other.)
    void OnOK() override {}
    void OnCancel() override {}
    // Called by the bar and the editor as their windows come (OnInitDialog)
    // and go (OnDestroy).
    void Register(ProgramWindow which) { s_windows[static_cast<int>(which)] = m_hWnd; }
    static void Leave(ProgramWindow which) { s_windows[static_cast<int>(which)] = nullptr; }

private:
    static HWND s_windows[static_cast<int>(ProgramWindow::kCount)];
};
