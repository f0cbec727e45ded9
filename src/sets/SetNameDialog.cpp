#include "sets/SetNameDialog.h"

#include "common/NameBox.h"
#include "framework/MessageBox.h"
#include "framework/ResourceLanguage.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

struct Asking {
    std::wstring title;
    std::wstring name;
    const SetNameCheck* check;
    CNameBox box;
};

INT_PTR CALLBACK SetNameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* asking = reinterpret_cast<Asking*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    try {
        switch (message) {
        case WM_INITDIALOG:
            asking = reinterpret_cast<Asking*>(lParam);
            ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
            ::SetWindowTextW(hWnd, asking->title.c_str());
            ::SetDlgItemTextW(hWnd, IDC_SET_NAME, asking->name.c_str());
            asking->box.SubclassWindow(::GetDlgItem(hWnd, IDC_SET_NAME));
            ::SendDlgItemMessageW(hWnd, IDC_SET_NAME, EM_SETSEL, 0, -1);
            return TRUE;  // the focus to the name box
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                const std::wstring name = WindowText(::GetDlgItem(hWnd, IDC_SET_NAME));
                if (const std::optional<std::wstring> problem = (*asking->check)(name)) {
                    AfxMessageBox(CurrentMessageBoxContext(), *problem, MB_OK | MB_ICONEXCLAMATION);
                    ::SetFocus(::GetDlgItem(hWnd, IDC_SET_NAME));
                    return TRUE;
                }
                asking->name = name;
                ::EndDialog(hWnd, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                ::EndDialog(hWnd, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

std::optional<std::wstring> AskSetName(HWND hWndOwner, const std::wstring& title, const std::wstring& initial,
                                       const SetNameCheck& check)
{
    Asking asking{title, initial, &check, {}};
    const INT_PTR answer = ::DialogBoxIndirectParamW(AfxGetInstanceHandle(), LanguageDialogTemplate(IDD_SET_NAME),
                                                     hWndOwner, SetNameProc, reinterpret_cast<LPARAM>(&asking));
    if (answer != IDOK) return std::nullopt;
    return asking.name;
}
