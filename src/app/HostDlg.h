// The hidden, zero-size host window: carries the taskbar entry, owns the bar
// and the editor, loads the slots when created and saves them when closed.
#pragma once

#include <cstdint>
#include <optional>

#include "common/ProgramDialog.h"

class CHostDlg : public CProgramDialog {
public:
    // `takingOverFrom`: the copy this one was started to take over from (the
    // restart as administrator), which may have handed over its running timers.
    explicit CHostDlg(std::optional<std::uint32_t> takingOverFrom = std::nullopt);

protected:
    BOOL OnInitDialog() override;
    // The messages without a handler of their own: the drag icon, another
    // start asking for the bar, and the bar's restart as administrator.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    int OnCreate() override;
    void OnSysCommand(UINT nID) override;
    void OnPaint() override;
    void OnClose() override;
    // The session may always end; when it does, everything is saved at once.
    bool OnQueryEndSession() override;
    void OnEndSession(bool ending) override;
    void OnDestroy() override;

private:
    // The editor: owned by the host, hidden until a slot's icon is clicked.
    void CreateEditor();
    // The bar: owned by the host, shown, focused and in the foreground.
    void CreateBar();
    // Another start of the program asked for the bar: to the front with it.
    void ShowBar();

    void RestartElevated();
    // Writes the slots the first time it is called; the program ends by
    // several roads and each saves exactly once.
    void SaveSlotsOnce();

    HICON m_hIcon;
    bool m_bSlotsSaved = false;
    std::optional<std::uint32_t> m_takingOverFrom;
};
