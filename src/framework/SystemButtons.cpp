#include "framework/SystemButtons.h"

#include <string>

#include "framework/ResourceLanguage.h"
#include "framework/WinApp.h"

namespace {

struct ButtonText {
    int id;
    UINT text;
};
// The settings window has no Apply: the boxes' and the sheet's buttons are these.
constexpr ButtonText kButtons[] = {
    {IDOK, AFX_IDS_BUTTON_OK}, {IDCANCEL, AFX_IDS_BUTTON_CANCEL}, {IDYES, AFX_IDS_BUTTON_YES}, {IDNO, AFX_IDS_BUTTON_NO},
};

}  // namespace

void LabelSystemButtons(HWND hWndDialog)
{
    if (SystemTextsLanguage() == 0) return;
    for (const ButtonText& button : kButtons) {
        HWND hWndButton = ::GetDlgItem(hWndDialog, button.id);
        const std::wstring text = hWndButton ? LoadResourceString(button.text) : std::wstring();
        if (!text.empty()) ::SetWindowTextW(hWndButton, text.c_str());
    }
}
