#include "common/WindowSwitchChoice.h"

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"

void ApplyWindowSwitch(WindowSwitch which, bool on)
{
    if (on == IsSwitchOn(which)) return;
    StoreSwitch(which, on);
    if (HWND hWndBar = CProgramDialog::BarWindow()) {
        ::SendMessageW(hWndBar, kWindowSwitchMessage, static_cast<WPARAM>(which), 0);
    }
}
