#include "settings/GeneralPage.h"

#include <string>

#include "common/AppSettings.h"
#include "common/ProgramLanguage.h"
#include "framework/WinApp.h"
#include "model/Languages.h"
#include "res/resource.h"

CGeneralPage::CGeneralPage() : CPropertyPage(IDD_PAGE_GENERAL) {}

void CGeneralPage::OnInitPage()
{
    // The choices in the order stored: following Windows, then each language by its own name.
    HWND hWndLanguage = ::GetDlgItem(m_hWnd, IDC_LANGUAGE);
    const std::wstring asWindows = LoadResourceString(IDS_LANGUAGE_AS_WINDOWS);
    const auto first = ::SendMessageW(hWndLanguage, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(asWindows.c_str()));
    ::SendMessageW(hWndLanguage, CB_SETITEMDATA, first, kLanguageAsWindows);
    int shown = static_cast<int>(first);
    for (const ProgramLanguage& language : kLanguages) {
        const auto at = ::SendMessageW(hWndLanguage, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(language.name));
        ::SendMessageW(hWndLanguage, CB_SETITEMDATA, at, language.choice);
        if (language.choice == LanguageChoice()) shown = static_cast<int>(at);
    }
    ::SendMessageW(hWndLanguage, CB_SETCURSEL, shown, 0);
}

bool CGeneralPage::OnApply()
{
    HWND hWndLanguage = ::GetDlgItem(m_hWnd, IDC_LANGUAGE);
    const auto chosen = ::SendMessageW(hWndLanguage, CB_GETCURSEL, 0, 0);
    if (chosen != CB_ERR) ApplyLanguageChoice(static_cast<int>(::SendMessageW(hWndLanguage, CB_GETITEMDATA, chosen, 0)));
    return true;
}
