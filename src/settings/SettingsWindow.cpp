#include "settings/SettingsWindow.h"

#include "common/ProgramDialog.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "settings/AlertPage.h"
#include "settings/EditedSet.h"
#include "settings/GeneralPage.h"
#include "settings/KeyPage.h"
#include "settings/WindowPage.h"
#include "model/Placement.h"
#include "skin/WinRect.h"

namespace {

// Beside the bar, which stays in view while the player sets its keys.
void PlaceBesideBar(HWND hWndSheet)
{
    HWND hWndBar = CProgramDialog::BarWindow();
    const RECT sheet = WindowRectOf(hWndSheet);
    const RECT bar = hWndBar ? WindowRectOf(hWndBar) : sheet;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(::MonitorFromRect(&bar, MONITOR_DEFAULTTOPRIMARY), &info)) return;
    const PixelPoint at = PlaceBeside(ToPixelRect(info.rcWork), ToPixelRect(bar), sheet.right - sheet.left,
                                      sheet.bottom - sheet.top);
    ::SetWindowPos(hWndSheet, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

INT_PTR ShowSettings(HWND hWndBar)
{
    // One sheet at a time: an open one only comes to the front. Its pages
    // edit the set shown now, whichever shows when OK is pressed.
    CEditedSet set;
    CKeyPage keys(set);
    CAlertPage alerts(set);
    CWindowPage window;
    CGeneralPage general;
    return RunPropertySheet(::GetWindow(hWndBar, GW_OWNER),
                            TitleNamingSet(LoadResourceString(IDS_SETTINGS_TITLE), set.Id()),
                            {&keys, &alerts, &window, &general},
                            PlaceBesideBar);
}

void CancelSettings()
{
    if (HWND hWndSheet = OpenPropertySheet()) ::SendMessageW(hWndSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
