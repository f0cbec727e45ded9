#include "play/PlayMenu.h"

#include <string>

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "play/PlaySettings.h"
#include "res/resource.h"

namespace {

// Menu command of each choice: its option's number plus one (0 is "nothing chosen").
constexpr UINT kFirstCommand = 1;

}  // namespace

void ShowPlayMenu(HWND hWndBar, POINT screen)
{
    HMENU hMenu = ::CreatePopupMenu();
    if (!hMenu) return;
    for (int i = 0; i < kPlayOptionCount; ++i) {
        const std::wstring text = LoadResourceString(IDS_MENU_GLOBAL_KEYS + i);
        const UINT check = IsPlayOptionOn(static_cast<PlayOption>(i)) ? MF_CHECKED : MF_UNCHECKED;
        ::AppendMenuW(hMenu, MF_STRING | check, kFirstCommand + i, text.c_str());
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
        SwitchPlayOption(static_cast<PlayOption>(command - kFirstCommand));
    }
    if (hWndBefore && !IsWindowOfThisProcess(hWndBefore) && ::IsWindow(hWndBefore)) ::SetForegroundWindow(hWndBefore);
}
