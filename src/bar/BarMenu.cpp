#include "bar/BarMenu.h"

#include <string>

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"
#include "common/SkinnedDialog.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "play/FrontProgram.h"
#include "play/PlaySettings.h"
#include "res/resource.h"
#include "settings/SettingsWindow.h"

namespace {

// Menu command of each choice: its option's number plus one (0 is "nothing
// chosen"); the settings window's after them.
constexpr UINT kFirstCommand = 1;
constexpr UINT kSettingsCommand = kFirstCommand + kPlayOptionCount;
constexpr UINT kRestartCommand = kSettingsCommand + 1;

// Flips a choice and applies it, through the part of the program it belongs to.
void SwitchChoice(PlayOption option)
{
    const bool on = !IsOptionOn(option);
    switch (option) {
    case GlobalDigitKeys:
        SwitchDigitKeys(on);
        break;
    case KeepRunning:
        SwitchKeptSlotEnds(on);
        break;
    case DoubleSize:
        CSkinnedDialog::SetDoubleSize(on);
        break;
    default:
        StoreOption(option, on);
        break;
    }
}

}  // namespace

void ShowBarMenu(HWND hWndBar, POINT screen)
{
    HMENU hMenu = ::CreatePopupMenu();
    if (!hMenu) return;
    for (int i = 0; i < kPlayOptionCount; ++i) {
        const std::wstring text = LoadResourceString(IDS_MENU_GLOBAL_KEYS + i);
        const UINT check = IsOptionOn(static_cast<PlayOption>(i)) ? MF_CHECKED : MF_UNCHECKED;
        ::AppendMenuW(hMenu, MF_STRING | check, kFirstCommand + i, text.c_str());
    }
    ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(hMenu, MF_STRING, kSettingsCommand, LoadResourceString(IDS_MENU_SETTINGS).c_str());
    // For a game run as administrator, whose keys never reach a normal
    // program's hook; shown in bold while such a program is in front.
    if (IsOptionOn(GlobalDigitKeys)) {
        ::AppendMenuW(hMenu, MF_STRING, kRestartCommand, LoadResourceString(IDS_MENU_RESTART_ELEVATED).c_str());
        if (CurrentFrontProgram().aboveUs) ::SetMenuDefaultItem(hMenu, kRestartCommand, FALSE);
    }
    // The menu closes on a click elsewhere only while its owner is in front;
    // afterwards the game that was in front gets the keyboard back.
    HWND hWndBefore = ::GetForegroundWindow();
    ::SetForegroundWindow(hWndBar);
    const UINT command = static_cast<UINT>(::TrackPopupMenuEx(
        hMenu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y,
        hWndBar, nullptr));
    ::PostMessageW(hWndBar, WM_NULL, 0, 0);
    ::DestroyMenu(hMenu);
    if (command >= kFirstCommand && command < kFirstCommand + kPlayOptionCount) {
        SwitchChoice(static_cast<PlayOption>(command - kFirstCommand));
    }
    if (command == kRestartCommand) {
        ::PostMessageW(::GetWindow(hWndBar, GW_OWNER), kRestartElevatedMessage, 0, 0);
        return;
    }
    if (command == kSettingsCommand) {
        ShowSettings(hWndBar);  // the settings window keeps the keyboard, not the game
        return;
    }
    if (hWndBefore && !IsWindowOfThisProcess(hWndBefore) && ::IsWindow(hWndBefore)) ::SetForegroundWindow(hWndBefore);
}
