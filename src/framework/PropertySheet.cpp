#include "framework/PropertySheet.h"

#include "framework/ResourceLanguage.h"
#include "framework/SystemButtons.h"
#include "framework/Trace.h"
#include "framework/WinApp.h"

namespace {

HWND g_hWndSheet = nullptr;
SheetPlacer* g_place = nullptr;

int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED) {
        g_hWndSheet = hWnd;
        LabelSystemButtons(hWnd);
        if (g_place) g_place(hWnd);
    }
    return 0;
}

}  // namespace

CLateLibrary& CommonControls()
{
    static CLateLibrary library(L"comctl32.dll");
    return library;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* page = reinterpret_cast<CPropertyPage*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    // A dialog procedure answers TRUE for what it handled, with the answer in
    // DWLP_MSGRESULT where the message has one, and FALSE for the rest, which
    // the dialog manager then handles: a command or notification the page does
    // not know keeps its default (the sheet's own buttons, keyboard navigation).
    const auto answer = [hWnd](LRESULT result) {
        ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    };
    // No C++ exception unwinds through the system's frames.
    try {
        switch (message) {
        case WM_INITDIALOG:
            page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
            ::SetWindowLongPtrW(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
            page->m_hWnd = hWnd;
            page->OnInitPage();
            return TRUE;
        case WM_COMMAND:
            return page && page->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
        case WM_HSCROLL:
            if (!page || !lParam) return FALSE;
            page->OnSlide(static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam))));
            return TRUE;
        case WM_NOTIFY: {
            if (!page) return FALSE;
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.hwndFrom != ::GetParent(hWnd)) {
                LRESULT result = 0;
                return page->OnControlNotify(header, &result) ? answer(result) : FALSE;
            }
            switch (header.code) {
            case PSN_SETACTIVE: return answer(page->OnSetActive() ? 0 : -1);
            case PSN_KILLACTIVE: return answer(page->OnKillActive() ? FALSE : TRUE);
            case PSN_APPLY: return answer(page->OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
            case PSN_RESET: page->OnReset(); return TRUE;
            default: return FALSE;
            }
        }
        case WM_DESTROY:
            if (page) page->m_hWnd = nullptr;
            return FALSE;
        default:
            return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}

HWND OpenPropertySheet()
{
    return g_hWndSheet;
}

INT_PTR RunPropertySheet(HWND hWndOwner, const std::wstring& caption, const std::vector<CPropertyPage*>& pages,
                         SheetPlacer* place)
{
    if (g_hWndSheet) {
        ::SetForegroundWindow(g_hWndSheet);
        return 0;
    }
    using InitFn = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
    using SheetFn = INT_PTR WINAPI(LPCPROPSHEETHEADERW);
    auto* init = CommonControls().Get<InitFn>("InitCommonControlsEx");
    auto* sheet = CommonControls().Get<SheetFn>("PropertySheetW");
    if (!init || !sheet) return IDCANCEL;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS |
                                                                          ICC_TAB_CLASSES | ICC_STANDARD_CLASSES |
                                                                          ICC_BAR_CLASSES};
    init(&classes);

    std::vector<PROPSHEETPAGEW> sheetPages;
    for (CPropertyPage* page : pages) {
        PROPSHEETPAGEW sheetPage{};
        sheetPage.dwSize = sizeof sheetPage;
        sheetPage.dwFlags = PSP_DLGINDIRECT;
        sheetPage.hInstance = AfxGetInstanceHandle();
        sheetPage.pResource = LanguageDialogTemplate(page->TemplateId());
        sheetPage.pfnDlgProc = CPropertyPage::PageProc;
        sheetPage.lParam = reinterpret_cast<LPARAM>(page);
        sheetPages.push_back(sheetPage);
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP | PSH_USECALLBACK;
    header.hwndParent = hWndOwner;
    header.hInstance = AfxGetInstanceHandle();
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(sheetPages.size());
    header.ppsp = sheetPages.data();
    header.pfnCallback = SheetCallback;
    g_place = place;
    const INT_PTR result = sheet(&header);
    TRACE(L"settings closed with " + std::to_wstring(result));
    g_hWndSheet = nullptr;
    return result > 0 ? IDOK : IDCANCEL;
}
