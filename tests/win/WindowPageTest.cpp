// The settings window's page of the bar over a game, driven inside the real
// sheet with the real bar: what OK stores (only what changed), that the bar
// follows at once, and the Run entry that starts the program with Windows.
#include "ProgramWindows.h"
#include "SettingsDriver.h"

#include <prsht.h>

#include "common/AppSettings.h"
#include "common/StartWithWindows.h"
#include "settings/SettingsWindow.h"

namespace {

constexpr int kWindowPage = 2;
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring RunEntry()
{
    wchar_t text[1024] = L"";
    DWORD bytes = sizeof text;
    if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin", RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return text;
}

void SetRunEntry(const std::wstring& command)
{
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin", REG_SZ, command.c_str(),
                      static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

LONG_PTR BarStyle()
{
    return ::GetWindowLongPtrW(CProgramDialog::BarWindow(), GWL_EXSTYLE);
}

int BarAlpha()
{
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!::GetLayeredWindowAttributes(CProgramDialog::BarWindow(), nullptr, &alpha, &flags)) return -1;
    return flags & LWA_ALPHA ? alpha : -1;
}

}  // namespace

class WindowPage : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        ::SetCursorPos(0, 0);  // away from the bar: no hover
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin");
        LoadOptions();
    }
    void TearDown() override
    {
        ProgramWindows::TearDown();
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin");
        LoadOptions();
    }
};

TEST_F(WindowPage, OkStoresOnlyWhatChangedAndTheBarFollowsAtOnce)
{
    EXPECT_EQ(BarStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT), 0) << "opaque and taking clicks: no layered window";
    const DWORD before = StoredValueCount();
    RunSettings(Bar(), [](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kWindowPage);
        EXPECT_EQ(::SendDlgItemMessageW(page, IDC_OPACITY, CB_GETCURSEL, 0, 0), 0) << "100 %";
        EXPECT_FALSE(IsChecked(page, IDC_CLICK_THROUGH));
        EXPECT_FALSE(IsChecked(page, IDC_START_WITH_WINDOWS));
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(StoredValueCount(), before) << "an OK without changes writes nothing";
    EXPECT_EQ(RunEntry(), L"(none)");

    RunSettings(Bar(), [](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kWindowPage);
        ChooseInCombo(page, IDC_OPACITY, 2);  // 60 %
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(Stored("Opacity"), 60);
    EXPECT_EQ(Stored("ClickThrough"), -1);
    EXPECT_EQ(BarStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT), WS_EX_LAYERED);
    EXPECT_EQ(BarAlpha(), 153);

    RunSettings(Bar(), [](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kWindowPage);
        EXPECT_EQ(::SendDlgItemMessageW(page, IDC_OPACITY, CB_GETCURSEL, 0, 0), 2);
        ClickButton(page, IDC_CLICK_THROUGH);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(Stored("ClickThrough"), 1);
    EXPECT_EQ(BarStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT), WS_EX_LAYERED | WS_EX_TRANSPARENT);

    RunSettings(Bar(), [](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kWindowPage);
        ChooseInCombo(page, IDC_OPACITY, 0);
        ClickButton(page, IDC_CLICK_THROUGH);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(Stored("Opacity"), 100);
    EXPECT_EQ(Stored("ClickThrough"), 0);
    EXPECT_EQ(BarStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT), 0) << "opaque again, as the bar always was";
}

TEST_F(WindowPage, TheStartWithWindowsCheckShowsWhetherTheRunEntryNamesThisCopyAndRewritesIt)
{
    const std::wstring mine = L"\"" + ProgramPath() + L"\"";
    const struct {
        const wchar_t* stored;  // the Run entry before, or null for none
        bool shown;
        bool click;
        std::wstring after;
    } rows[] = {
        {nullptr, false, true, mine},
        {mine.c_str(), true, false, mine},
        {mine.c_str(), true, true, L"(none)"},
        {L"\"C:\\Old place\\Tavorin.exe\"", false, false, L"\"C:\\Old place\\Tavorin.exe\""},  // a moved copy's
        {L"\"C:\\Old place\\Tavorin.exe\"", false, true, mine},
    };
    for (const auto& row : rows) {
        if (row.stored) {
            SetRunEntry(row.stored);
        } else {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin");
        }
        const auto index = &row - rows;
        RunSettings(Bar(), [&row, index](HWND sheet, HWND) {
            HWND page = ShowPage(sheet, kWindowPage);
            EXPECT_EQ(IsChecked(page, IDC_START_WITH_WINDOWS), row.shown) << index;
            if (row.click) ClickButton(page, IDC_START_WITH_WINDOWS);
            Press(sheet, PSBTN_OK);
        });
        EXPECT_EQ(RunEntry(), row.after) << &row - rows;
    }
}
