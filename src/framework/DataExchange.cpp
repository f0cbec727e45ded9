#include "framework/DataExchange.h"

#include "framework/CodePage.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

void DDX_Text(CDataExchange* pDX, int nIDC, std::wstring& value)
{
    pDX->m_nLastControl = nIDC;
    HWND hWndControl = ::GetDlgItem(pDX->m_hWndDialog, nIDC);
    if (!hWndControl) return;
    if (pDX->m_bSaveAndValidate) {
        value = WindowText(hWndControl);
    } else {
        ::SetWindowTextW(hWndControl, value.c_str());
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::wstring& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        ::SendDlgItemMessageW(pDX->m_hWndDialog, pDX->m_nLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
        return;
    }
    if (static_cast<int>(WideToMultiByte(value).size()) <= nChars) return;
    const std::wstring prompt = FormatResourceString(AFX_IDP_PARSE_STRING_SIZE, {std::to_wstring(nChars)});
    AfxMessageBox(CurrentMessageBoxContext(), prompt, MB_ICONEXCLAMATION);
    pDX->m_bFailed = true;
}
