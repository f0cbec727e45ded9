#include "settings/WindowPage.h"

#include <iterator>
#include <string>

#include "common/AppSettings.h"
#include "common/BarSeeThroughChoice.h"
#include "common/WindowSwitchChoice.h"
#include "common/StartWithWindows.h"
#include "res/resource.h"

CWindowPage::CWindowPage() : CPropertyPage(IDD_PAGE_WINDOW) {}

void CWindowPage::OnInitPage()
{
    HWND hWndOpacity = ::GetDlgItem(m_hWnd, IDC_OPACITY);
    for (const std::int32_t choice : kOpacityChoices) {
        const std::wstring text = std::to_wstring(choice) + L" %";
        const auto at = ::SendMessageW(hWndOpacity, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (choice == BarOpacity()) ::SendMessageW(hWndOpacity, CB_SETCURSEL, at, 0);
    }
    SetCheck(IDC_CLICK_THROUGH, IsOptionOn(ClickThrough));
    SetCheck(IDC_SHAPE_WARNING, IsSwitchOn(WindowSwitch::ShapeWarning));
    SetCheck(IDC_HIDE_WITHOUT_GAME, IsSwitchOn(WindowSwitch::HideWithoutGame));
    // Only where the key page names the one game: without it there is nothing to wait for.
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_HIDE_WITHOUT_GAME), !GameProgram().empty());
    m_startsWithWindows = IsStartingWithWindows();
    SetCheck(IDC_START_WITH_WINDOWS, m_startsWithWindows);
}

bool CWindowPage::OnApply()
{
    const auto chosen = ::SendDlgItemMessageW(m_hWnd, IDC_OPACITY, CB_GETCURSEL, 0, 0);
    const std::int32_t opacity =
        chosen >= 0 && chosen < static_cast<LRESULT>(std::size(kOpacityChoices)) ? kOpacityChoices[chosen] : kOpaque;
    ApplyBarSeeThrough(opacity, IsChecked(IDC_CLICK_THROUGH));
    ApplyWindowSwitch(WindowSwitch::ShapeWarning, IsChecked(IDC_SHAPE_WARNING));
    ApplyWindowSwitch(WindowSwitch::HideWithoutGame, IsChecked(IDC_HIDE_WITHOUT_GAME));
    const bool startWithWindows = IsChecked(IDC_START_WITH_WINDOWS);
    // A moved copy showed it off: turned on, the entry names this copy again.
    if (startWithWindows != m_startsWithWindows) StoreStartWithWindows(startWithWindows);
    return true;
}
