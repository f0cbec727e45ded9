#include "SettingsDriver.h"

#include <commctrl.h>

#include <algorithm>

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"
#include "res/resource.h"
#include "framework/PropertySheet.h"
#include "settings/SettingsWindow.h"

namespace {

std::function<void(HWND, HWND)> g_steps;
SettingsRun* g_run = nullptr;
int g_answer = IDOK;
HHOOK g_hBoxHook = nullptr;
std::function<void(HWND)> g_meanwhile;
std::vector<HWND> g_waiting;  // dialogs shown, for `g_meanwhile` and then the answer
std::vector<HWND> g_seen;     // each dialog once, however often it is activated

bool IsMessageBox(HWND hWnd)
{
    return ::GetDlgItem(hWnd, 0xFFFF) != nullptr && hWnd != OpenPropertySheet();
}

// Once the dialog shows and its loop runs: what the player does meanwhile, then the answer.
void CALLBACK Meanwhile(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    const std::vector<HWND> shown = std::move(g_waiting);
    g_waiting.clear();
    for (HWND hWnd : shown) {
        if (g_meanwhile) g_meanwhile(hWnd);
        if (IsMessageBox(hWnd)) ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(g_answer, BN_CLICKED), 0);
    }
}

LRESULT CALLBACK ReadAndAnswerBox(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        wchar_t text[1024] = L"";
        wchar_t kind[32] = L"";
        ::GetClassNameW(hWnd, kind, 32);
        const bool seen = std::find(g_seen.begin(), g_seen.end(), hWnd) != g_seen.end();
        // The program's bar and editor are dialogs too, and never asked anything.
        const bool program = hWnd == CProgramDialog::BarWindow() || hWnd == CProgramDialog::EditorWindow();
        const bool dialog = ::lstrcmpW(kind, L"#32770") == 0 && hWnd != OpenPropertySheet() && !seen && !program;
        if (dialog) g_seen.push_back(hWnd);
        if (dialog && g_meanwhile && !IsMessageBox(hWnd)) {
            g_waiting.push_back(hWnd);
            ::SetTimer(nullptr, 0, 1, Meanwhile);
        }
        // A message box: a dialog with the static text of id 0xFFFF.
        if (HWND hWndText = ::GetDlgItem(hWnd, 0xFFFF); hWndText && dialog) {
            ::GetWindowTextW(hWndText, text, 1024);
            g_run->boxes.push_back(text);
            std::wstring buttons;
            for (HWND hWndChild = ::GetWindow(hWnd, GW_CHILD); hWndChild;
                 hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
                wchar_t name[32] = L"";
                ::GetClassNameW(hWndChild, name, 32);
                const bool shown = (::GetWindowLongW(hWndChild, GWL_STYLE) & WS_VISIBLE) != 0;
                if (::lstrcmpiW(name, L"Button") != 0 || !shown) continue;
                ::GetWindowTextW(hWndChild, text, 1024);
                buttons += (buttons.empty() ? L"" : L"|") + std::wstring(text);
            }
            g_run->buttons.push_back(buttons);
            g_waiting.push_back(hWnd);
            ::SetTimer(nullptr, 0, 1, Meanwhile);
        }
    }
    return ::CallNextHookEx(g_hBoxHook, code, wParam, lParam);
}

void CALLBACK Drive(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND hWndSheet = OpenPropertySheet();
    if (!hWndSheet || !::IsWindowVisible(hWndSheet)) return;
    ::KillTimer(nullptr, timer);
    g_steps(hWndSheet, reinterpret_cast<HWND>(::SendMessageW(hWndSheet, PSM_GETCURRENTPAGEHWND, 0, 0)));
}

}  // namespace

SettingsRun AnswerBoxes(const std::function<void()>& body, int answer, const std::function<void(HWND)>& meanwhile)
{
    SettingsRun run;
    g_run = &run;
    g_answer = answer;
    g_meanwhile = meanwhile;
    g_seen.clear();
    g_hBoxHook = ::SetWindowsHookExW(WH_CBT, ReadAndAnswerBox, nullptr, ::GetCurrentThreadId());
    body();
    ::UnhookWindowsHookEx(g_hBoxHook);
    g_run = nullptr;
    g_meanwhile = nullptr;
    return run;
}

SettingsRun RunSettings(HWND hWndBar, const std::function<void(HWND, HWND)>& steps, int answer)
{
    g_steps = steps;
    INT_PTR result = 0;
    SettingsRun run = AnswerBoxes([&] {
        ::SetTimer(nullptr, 0, 20, Drive);
        result = ShowSettings(hWndBar);
    }, answer, nullptr);
    run.result = result;
    return run;
}

void CatchKey(HWND page, unsigned key)
{
    ClickButton(page, IDC_CHANGE_KEY);
    HWND hWndCatcher = ::GetDlgItem(page, IDC_KEY_PROMPT);
    ::SendMessageW(hWndCatcher, WM_KEYDOWN, key, 0);
    ::SendMessageW(hWndCatcher, WM_KEYUP, key, 0xC0000000);
}

void ClickButton(HWND page, int id)
{
    ::SendDlgItemMessageW(page, id, BM_CLICK, 0, 0);
}

void ChooseInCombo(HWND page, int id, int index)
{
    ::SendDlgItemMessageW(page, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
}

void SelectRow(HWND page, int listId, int row)
{
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendDlgItemMessageW(page, listId, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void SlideTo(HWND page, int id, int position)
{
    HWND hWndBar = ::GetDlgItem(page, id);
    ::SendMessageW(hWndBar, TBM_SETPOS, TRUE, position);
    ::SendMessageW(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(hWndBar));
}

void Press(HWND sheet, int button)
{
    ::SendMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

HWND ShowPage(HWND sheet, int index)
{
    ::SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

int Stored(const char* name)
{
    return AppProfile().GetInt("Option", name, -1);
}

DWORD StoredValueCount()
{
    HKEY hKey = nullptr;
    DWORD values = 0;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\MelkbayTests\\Tavorin\\Option", 0, KEY_READ, &hKey) == 0) {
        ::RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                           nullptr, nullptr);
        ::RegCloseKey(hKey);
    }
    return values;
}

std::wstring CellText(HWND page, int listId, int row, int column)
{
    wchar_t text[128] = L"";
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    ::SendDlgItemMessageW(page, listId, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

bool IsChecked(HWND page, int id)
{
    return ::IsDlgButtonChecked(page, id) == BST_CHECKED;
}
