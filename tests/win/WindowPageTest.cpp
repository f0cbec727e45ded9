// The settings window's page of the bar over a game, driven inside the real
// sheet with the real bar: OK stores only what changed, the bar follows at
// once, and the Run entry shows and names this very copy.
#include "ProgramWindows.h"
#include "SettingsDriver.h"

#include <prsht.h>

#include "common/AppSettings.h"
#include "bar/BarSeeThrough.h"
#include "common/StartWithWindows.h"
#include "settings/SettingsWindow.h"

namespace {

constexpr int kWindowPage = 2;
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr LONG_PTR kSeeThroughStyles = WS_EX_LAYERED | WS_EX_TRANSPARENT;

std::wstring RunEntry()
{
    wchar_t text[1024] = L"(none)";
    DWORD bytes = sizeof text;
    ::RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin", RRF_RT_REG_SZ, nullptr, text, &bytes);
    return text;
}

// The page's three controls set (opacity choice, or -1 to leave it; clicks on the two checks), then OK.
void ChangeOnPage(int opacity, bool clickThrough, bool startWithWindows)
{
    RunSettings(CProgramDialog::BarWindow(), [=](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kWindowPage);
        if (opacity >= 0) ChooseInCombo(page, IDC_OPACITY, opacity);
        if (clickThrough) ClickButton(page, IDC_CLICK_THROUGH);
        if (startWithWindows) ClickButton(page, IDC_START_WITH_WINDOWS);
        Press(sheet, PSBTN_OK);
    });
}

// The bar's messages handled until its alpha is `wanted` (the pointer's moves
// reach it through the X server), for 5 s at most.
bool AlphaBecomes(BYTE wanted)
{
    BYTE alpha = 0;
    for (int waited = 0; waited < 5000; waited += 10) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        if (::GetLayeredWindowAttributes(CProgramDialog::BarWindow(), nullptr, &alpha, nullptr) && alpha == wanted) {
            return true;
        }
        ::Sleep(10);
    }
    return false;
}

}  // namespace

class WindowPage : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        ::SetCursorPos(0, 0);  // away from the bar: no hover
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin");
    }
    void TearDown() override
    {
        ProgramWindows::TearDown();
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin");
        LoadOptions();
    }
    static LONG_PTR BarStyle() { return ::GetWindowLongPtrW(Bar(), GWL_EXSTYLE) & kSeeThroughStyles; }
};

TEST_F(WindowPage, OkStoresOnlyWhatChangedAndTheBarFollowsAtOnce)
{
    // Wine moves the X pointer only for a program whose window is in front.
    ::SetForegroundWindow(Bar());
    ::SetCursorPos(WindowRect(Bar()).right + 50, WindowRect(Bar()).bottom + 50);
    EXPECT_EQ(BarStyle(), 0) << "opaque and taking clicks: no layered window";
    const DWORD before = StoredValueCount();
    ChangeOnPage(-1, false, false);
    EXPECT_EQ(StoredValueCount(), before) << "an OK without changes writes nothing";

    ChangeOnPage(2, false, false);  // 60 %
    EXPECT_EQ(Stored("Opacity"), 60);
    EXPECT_EQ(Stored("ClickThrough"), -1);
    EXPECT_EQ(BarStyle(), WS_EX_LAYERED);
    EXPECT_TRUE(AlphaBecomes(153)) << "the pointer away from the bar";

    ChangeOnPage(-1, true, false);
    EXPECT_EQ(Stored("ClickThrough"), 1);
    EXPECT_EQ(BarStyle(), kSeeThroughStyles);

    ChangeOnPage(0, true, false);
    EXPECT_EQ(Stored("Opacity"), 100);
    EXPECT_EQ(Stored("ClickThrough"), 0);
    EXPECT_EQ(BarStyle(), 0) << "opaque again, as the bar always was";

    RunSettings(Bar(), [](HWND sheet, HWND) {
        ClickButton(ShowPage(sheet, kWindowPage), IDC_SHAPE_WARNING);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(Stored("ShapeWarning"), 1);
    EXPECT_TRUE(IsSwitchOn(WindowSwitch::ShapeWarning)) << "the bar shows it from its next frame";

    // Hiding the bar without the game waits for a game to be named on the key page.
    for (const wchar_t* game : {L"", L"game.exe"}) {
        AfxGetApp()->WriteProfileString(L"Option", L"GameProgram", game);
        LoadOptions();
        RunSettings(Bar(), [game](HWND sheet, HWND) {
            HWND page = ShowPage(sheet, kWindowPage);
            EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(page, IDC_HIDE_WITHOUT_GAME)) != FALSE, *game != L'\0') << game;
            if (*game) ClickButton(page, IDC_HIDE_WITHOUT_GAME);
            Press(sheet, PSBTN_OK);
        });
    }
    EXPECT_EQ(Stored("HideWithoutGame"), 1);
}

TEST_F(WindowPage, ThePageShowsTheStoredLookAndAnOkWithoutAChangeKeepsIt)
{
    for (const int opacity : {100, 80, 60, 40}) {
        for (const int clickThrough : {0, 1}) {
            AfxGetApp()->WriteProfileInt(L"Option", L"Opacity", opacity);
            AfxGetApp()->WriteProfileInt(L"Option", L"ClickThrough", clickThrough);
            AfxGetApp()->WriteProfileInt(L"Option", L"ShapeWarning", clickThrough);  // each way, with it
            LoadOptions();
            ::SendMessageW(Bar(), kSeeThroughMessage, 0, 0);
            const LONG_PTR style = BarStyle();
            wchar_t shown[16] = L"";
            bool checked = false;
            RunSettings(Bar(), [&](HWND sheet, HWND) {
                HWND page = ShowPage(sheet, kWindowPage);
                ::GetDlgItemTextW(page, IDC_OPACITY, shown, 16);
                checked = ::IsDlgButtonChecked(page, IDC_CLICK_THROUGH) == BST_CHECKED &&
                          ::IsDlgButtonChecked(page, IDC_SHAPE_WARNING) == BST_CHECKED;
                Press(sheet, PSBTN_OK);
            });
            const std::wstring what = std::to_wstring(opacity) + L" %";
            EXPECT_EQ(shown, what) << clickThrough;
            EXPECT_EQ(checked, clickThrough == 1) << opacity;
            EXPECT_EQ(Stored("Opacity"), opacity);
            EXPECT_EQ(Stored("ClickThrough"), clickThrough);
            EXPECT_EQ(Stored("ShapeWarning"), clickThrough);
            EXPECT_EQ(BarStyle(), style) << opacity << " " << clickThrough;
        }
    }
}

TEST_F(WindowPage, TheStartWithWindowsCheckShowsWhetherTheRunEntryNamesThisCopyAndRewritesIt)
{
    const std::wstring mine = L"\"" + ProgramPath() + L"\"";
    const std::wstring moved = L"\"C:\\Old place\\Tavorin.exe\"";
    std::wstring upper = mine;
    ::CharUpperW(upper.data());
    const struct {
        std::wstring stored;  // the Run entry before
        bool shown, click;
        std::wstring after;
    } rows[] = {
        {L"(none)", false, true, mine},
        {mine, true, false, mine},
        {mine, true, true, L"(none)"},
        {upper, true, false, upper},  // as Windows may write it back: paths are not case-sensitive
        {ProgramPath() + L"  ", true, false, ProgramPath() + L"  "},  // unquoted (no spaces in this copy's path)
        {mine + L" /minimized", true, false, mine + L" /minimized"},
        {L"\"" + ProgramPath() + L" 2\"", false, false, L"\"" + ProgramPath() + L" 2\""},  // a copy beside it
        {moved, false, false, moved},  // a moved copy's entry: shown off, left alone
        {moved, false, true, mine},
    };
    for (const auto& row : rows) {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin");
        if (row.stored != L"(none)") {
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Tavorin", REG_SZ, row.stored.c_str(),
                              static_cast<DWORD>((row.stored.size() + 1) * sizeof(wchar_t)));
        }
        EXPECT_EQ(IsStartingWithWindows(), row.shown) << &row - rows;
        ChangeOnPage(-1, false, row.click);
        EXPECT_EQ(RunEntry(), row.after) << &row - rows;
    }
}

TEST_F(WindowPage, AHoveredBarShowsInFullAndFadesAgainEachTimeThePointerLeaves)
{
    ChangeOnPage(2, false, false);  // 60 %
    ::SetForegroundWindow(Bar());  // Wine moves the X pointer only for a program in front
    const RECT bar = WindowRect(Bar());
    for (int time = 1; time <= 3; ++time) {
        ::SetCursorPos((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
        EXPECT_TRUE(AlphaBecomes(255)) << "the pointer over it, time " << time;
        ::SetCursorPos(bar.right + 50, bar.bottom + 50);
        EXPECT_TRUE(AlphaBecomes(153)) << "gone again, time " << time;
    }
}

TEST_F(WindowPage, AClickThroughBarBeingDraggedTakesTheMouseUntilTheDragEnds)
{
    const auto poll = [] { ::SendMessageW(Bar(), WM_TIMER, kSeeThroughTimerId, 0); };
    ChangeOnPage(-1, true, false);
    poll();
    EXPECT_EQ(BarStyle(), kSeeThroughStyles);
    Mouse(Bar(), WM_LBUTTONDOWN, 100, 10);  // with Ctrl held over the title: a drag
    ASSERT_EQ(::GetCapture(), Bar());
    poll();  // Ctrl let go (it is not held here): the drag goes on
    EXPECT_EQ(BarStyle(), WS_EX_LAYERED);
    Mouse(Bar(), WM_LBUTTONUP, 100, 10);
    poll();
    EXPECT_EQ(BarStyle(), kSeeThroughStyles) << "dropped: clicks pass again";
}
