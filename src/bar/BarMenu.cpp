#include "bar/BarMenu.h"

#include <string>

#include "common/AppSettings.h"
#include "common/BarSeeThroughChoice.h"
#include "sets/KeptEnds.h"
#include "common/ProgramDialog.h"
#include "common/SkinnedDialog.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "model/PlayGuards.h"
#include "play/FrontProgram.h"
#include "play/KeysEverywhere.h"
#include "res/resource.h"
#include "settings/SettingsWindow.h"

namespace {

// Flips a choice and applies it, through the part of the program it belongs to.
void SwitchChoice(PlayOption option)
{
    const bool on = !IsOptionOn(option);
    switch (option) {
    case TriggersEverywhere:
        SwitchKeysEverywhere(on);
        break;
    case KeepRunning:
        SwitchKeptSlotEnds(on);
        break;
    case DoubleSize:
        CSkinnedDialog::SetDoubleSize(on);
        break;
    case ClickThrough:
        ApplyBarSeeThrough(BarOpacity(), on);
        break;
    default:
        StoreOption(option, on);
        break;
    }
}

// Frees the menu on every path.
class MenuOwner {
public:
    explicit MenuOwner(HMENU hMenu) : m_hMenu(hMenu) {}
    ~MenuOwner()
    {
        if (m_hMenu) ::DestroyMenu(m_hMenu);
    }
    MenuOwner(const MenuOwner&) = delete;
    MenuOwner& operator=(const MenuOwner&) = delete;
    operator HMENU() const { return m_hMenu; }

private:
    HMENU m_hMenu;
};

}  // namespace

BarMenuState CurrentBarMenuState()
{
    BarMenuState state{};
    for (int i = 0; i < kPlayOptionCount; ++i) state.on[i] = IsOptionOn(static_cast<PlayOption>(i));
    state.offerRestart = state.on[TriggersEverywhere] && OurIntegrity() < kHighIntegrity;
    state.restartFirst = state.offerRestart && CurrentFrontProgram().aboveUs;
    state.sets = CurrentSetMenuState();
    return state;
}

HMENU CreateBarMenu(const BarMenuState& state)
{
    HMENU hMenu = ::CreatePopupMenu();
    if (!hMenu) return nullptr;
    static const UINT kChoiceTexts[kPlayOptionCount] = {IDS_MENU_KEYS_EVERYWHERE, IDS_MENU_EXPIRY_SOUND,
                                                        IDS_MENU_KEEP_RUNNING, IDS_MENU_DOUBLE_SIZE,
                                                        IDS_MENU_CLICK_THROUGH};
    for (int i = 0; i < kPlayOptionCount; ++i) {
        const UINT check = state.on[i] ? MF_CHECKED : MF_UNCHECKED;
        ::AppendMenuW(hMenu, MF_STRING | check, kFirstChoiceCommand + i, LoadResourceString(kChoiceTexts[i]).c_str());
    }
    ::AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    if (HMENU hSets = CreateSetMenu(state.sets)) {
        ::AppendMenuW(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hSets), LoadResourceString(IDS_MENU_SETS).c_str());
    }
    ::AppendMenuW(hMenu, MF_STRING, kSettingsCommand, LoadResourceString(IDS_MENU_SETTINGS).c_str());
    if (state.offerRestart) {
        ::AppendMenuW(hMenu, MF_STRING, kRestartCommand, LoadResourceString(IDS_MENU_RESTART_ELEVATED).c_str());
        if (state.restartFirst) ::SetMenuDefaultItem(hMenu, kRestartCommand, FALSE);
    }
    return hMenu;
}

void ShowBarMenu(HWND hWndBar, POINT screen)
{
    MenuOwner menu(CreateBarMenu(CurrentBarMenuState()));
    if (!menu) return;
    // The menu closes on a click elsewhere only while its owner is in front;
    // afterwards the game that was in front gets the keyboard back.
    HWND hWndBefore = ::GetForegroundWindow();
    ::SetForegroundWindow(hWndBar);
    const UINT command = static_cast<UINT>(::TrackPopupMenuEx(
        menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y,
        hWndBar, nullptr));
    ::PostMessageW(hWndBar, WM_NULL, 0, 0);
    if (command >= kFirstChoiceCommand && command < kFirstChoiceCommand + kPlayOptionCount) {
        SwitchChoice(static_cast<PlayOption>(command - kFirstChoiceCommand));
    }
    if (command == kRestartCommand) {
        ::PostMessageW(::GetWindow(hWndBar, GW_OWNER), kRestartElevatedMessage, 0, 0);
        return;
    }
    if (command == kSettingsCommand) {
        ShowSettings(hWndBar);  // the settings window keeps the keyboard, not the game
        return;
    }
    if (IsSetCommand(command)) {
        RunSetCommand(command, hWndBar);
        // A dialog of the sets keeps the keyboard; a switch gives it back to the game.
        if (command >= kNewSetCommand) return;
    }
    if (hWndBefore && !IsWindowOfThisProcess(hWndBefore) && ::IsWindow(hWndBefore)) ::SetForegroundWindow(hWndBefore);
}
