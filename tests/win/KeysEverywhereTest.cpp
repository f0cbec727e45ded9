// Keys everywhere at the Win32 layer: a hook the system refuses shows the
// choice off and is tried again, the session notifications asked for until
// granted, and the hooks out while the restart as administrator waits.
#include "ProgramWindows.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/ElevatedRestart.h"
#include "common/AppSettings.h"
#include "sets/KeptEnds.h"
#include "model/HandOver.h"
#include "play/KeysEverywhere.h"
#include "play/TriggerHook.h"
#include "bar/TimerBarDlg.h"

namespace {

bool g_refuse = false;
bool g_deaf = false;  // "installs" a hook that never hears a key, as one the system dropped
int g_installs = 0;

HHOOK WINAPI Install(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread)
{
    if (type == WH_KEYBOARD_LL) ++g_installs;
    if (g_deaf) return reinterpret_cast<HHOOK>(static_cast<UINT_PTR>(1));
    if (g_refuse) {
        ::SetLastError(ERROR_ACCESS_DENIED);  // as a security program may
        return nullptr;
    }
    return ::SetWindowsHookExW(type, proc, instance, thread);
}

int g_heldKey = VK_F13;

SHORT WINAPI HeldKey(int key)
{
    return key == g_heldKey ? SHORT(0x8000) : SHORT(0);
}

int g_sessionRefusals = 0;  // how many more asks the system refuses
int g_sessionAsks = 0;
std::vector<HWND> g_sessionLeft;  // the windows whose watch was given back

bool WatchSession(HWND hWnd, bool watch)
{
    if (!watch) {
        g_sessionLeft.push_back(hWnd);
        return true;
    }
    ++g_sessionAsks;
    return g_sessionRefusals-- <= 0;
}

// The text of the bar's title tooltip (what the light after the title means),
// "" for none; after a tick of the bar, which looks at the keys, or as it is.
std::wstring TitleTip(bool tick = true)
{
    if (tick) ::SendMessageW(CProgramDialog::BarWindow(), WM_TIMER, BarTimerId, 0);
    HWND hWndTip = nullptr;
    do {
        hWndTip = ::FindWindowExW(nullptr, hWndTip, TOOLTIPS_CLASSW, nullptr);
    } while (hWndTip && ::GetWindow(hWndTip, GW_OWNER) != CProgramDialog::BarWindow());
    wchar_t text[512] = L"";
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = CProgramDialog::BarWindow();
    tool.uId = 1;
    tool.lpszText = text;
    if (hWndTip) ::SendMessageW(hWndTip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
    return text;
}

const std::wstring kRefusedTip = L"Windows가 키보드 후크를 받아 주지 않거나 자꾸 떼어 냅니다. 보안 프로그램이 키보드 후크를 막고 있을 수 있습니다.";

int StoredChoice()
{
    return AppProfile().GetInt("Option", "GlobalDigitKeys", -5);
}

}  // namespace

class KeysEverywhere : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        AfxGetApp()->WriteProfileInt(L"Option", L"GlobalDigitKeys", 1);
        LoadOptions();
        g_refuse = Refused();
        g_deaf = false;
        g_installs = 0;
        SetHookInstaller(Install);
        SetSessionWatcher(WatchSession);
    }
    virtual bool Refused() { return false; }
    void TearDown() override
    {
        ProgramWindows::TearDown();
        SetHookInstaller(nullptr);
        SetSessionWatcher(nullptr);
        LoadOptions();
    }
};

class RefusedHook : public KeysEverywhere {
protected:
    bool Refused() override { return true; }
};

TEST_F(RefusedHook, ShowsOffKeepsTheStoredChoiceAndIsTriedAgainAtTheNextResumeOrChoice)
{
    EXPECT_FALSE(IsOptionOn(TriggersEverywhere)) << "refused at start-up: the menu shows it off";
    EXPECT_EQ(TitleTip(), kRefusedTip) << "the light red, and why";
    EXPECT_EQ(StoredChoice(), 1) << "the player's choice stays for the next start";
    RenewKeysEverywhere();  // a resume: refused again
    EXPECT_FALSE(IsOptionOn(TriggersEverywhere));

    g_refuse = false;  // the system allows it again
    const int before = g_installs;
    ::SendMessageW(Bar(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    EXPECT_EQ(g_installs, before + 1) << "the resume tried again";
    EXPECT_TRUE(IsOptionOn(TriggersEverywhere));
    EXPECT_TRUE(HooksSee('1'));

    g_refuse = true;  // the unlock's installation refused: off, and the hook is out
    ::SendMessageW(Bar(), WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
    EXPECT_FALSE(IsOptionOn(TriggersEverywhere));
    EXPECT_FALSE(HooksSee('1'));
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MelkbayTests");
    EXPECT_FALSE(SwitchKeysEverywhere(true)) << "the menu's choice tries again";
    EXPECT_EQ(StoredChoice(), -5) << "a choice that could not be applied is not stored";
    g_refuse = false;
    EXPECT_TRUE(SwitchKeysEverywhere(true));
    EXPECT_TRUE(IsOptionOn(TriggersEverywhere));
    EXPECT_EQ(StoredChoice(), 1);
    SwitchKeysEverywhere(false);
    EXPECT_EQ(StoredChoice(), 0);
    EXPECT_FALSE(HooksSee('1'));
}

TEST_F(KeysEverywhere, AHookTheWatchFindsGoneIsInstalledAgainOrShowsOffWhereRefused)
{
    g_deaf = true;
    SwitchKeysEverywhere(true);  // in, but deaf: Windows dropped it
    g_deaf = false;
    g_refuse = true;
    const int before = g_installs;
    // A key held that the hook never sees. (Not a key sent to Wine: it takes
    // the key state back from the X server's whenever the focus moves.)
    g_heldKey = VK_F13;
    SetKeyStateReader(HeldKey);
    for (int tick = 0; tick < 4 && IsOptionOn(TriggersEverywhere); ++tick) CheckKeysEverywhere();
    SetKeyStateReader(nullptr);
    EXPECT_EQ(g_installs, before + 1) << "two checks of grace, two misses, one installation";
    EXPECT_FALSE(IsOptionOn(TriggersEverywhere)) << "refused: shown off";
    EXPECT_EQ(StoredChoice(), 1);
}

TEST_F(KeysEverywhere, TheLightAfterTheTitleShowsAPauseAndAHookPutBackOftenAndNothingElse)
{
    EXPECT_EQ(TitleTip(), L"") << "keys arriving: no light";
    SlotTriggers triggers = CurrentTriggers();
    triggers.pause = VK_F8;
    StoreTriggers(triggers);
    for (const wchar_t* tip : {L"키가 일시 정지되어 있습니다. 일시 정지 키를 다시 누르세요.", L""}) {
        ::SendMessageW(Bar(), kTriggerReleasedMessage, VK_F8, 0);  // the pause key, and again
        EXPECT_EQ(TitleTip(false), tip) << "at once, not at the next tick";
    }
    // A hook Windows keeps dropping: put back three times within a minute,
    // each time for a key held that it never saw.
    g_deaf = true;
    SetKeyStateReader(HeldKey);
    const int before = g_installs;
    for (int tick = 0; tick < 20 && g_installs < before + 3; ++tick) {
        g_heldKey = VK_F13 + (g_installs - before);
        TitleTip();
    }
    SetKeyStateReader(nullptr);
    EXPECT_EQ(g_installs, before + 3);
    EXPECT_EQ(TitleTip(), kRefusedTip);
}

TEST_F(KeysEverywhere, SessionNotificationsAreAskedForUntilTheSystemGrantsThem)
{
    StopKeysEverywhere();
    g_sessionAsks = 0;
    g_sessionRefusals = 2;  // the session service is not up yet
    StartKeysEverywhere(Bar());
    for (int tick = 0; tick < 4; ++tick) CheckKeysEverywhere();
    EXPECT_EQ(g_sessionAsks, 3) << "refused twice, granted the third time, then left alone";
}

TEST_F(KeysEverywhere, TheBarGoingTakesOutItsHooksAndGivesBackItsSessionWatch)
{
    ASSERT_TRUE(HooksSee('1'));
    const HWND gone = Bar();
    g_sessionLeft.clear();
    ::DestroyWindow(gone);
    EXPECT_FALSE(HooksSee('1'));
    EXPECT_EQ(g_sessionLeft, std::vector<HWND>{gone});
    // A bar made again asks for both afresh.
    g_sessionAsks = 0;
    ASSERT_TRUE(CDialog::CreateSelfDeleting(new CTimerBarDlg, IDD_TIMER_BAR));
    EXPECT_TRUE(HooksSee('1'));
    EXPECT_EQ(g_sessionAsks, 1);
}

TEST_F(KeysEverywhere, TheHooksAreOutWhileTheRestartAsAdministratorAsks)
{
    static bool hooksInWhileAsked = true;
    static bool startIt = false;
    const auto ask = []() {
        hooksInWhileAsked = HooksSee('1');
        return startIt;
    };
    ASSERT_TRUE(HooksSee('1'));
    EXPECT_FALSE(RestartAsAdministrator(ask));
    EXPECT_FALSE(hooksInWhileAsked);
    EXPECT_TRUE(HooksSee('1')) << "declined: the hooks are back";
    EXPECT_EQ(AppProfile().GetInt("Save", kEntryHandOver, -1), 0) << "no hand-over left behind";

    startIt = true;
    EXPECT_TRUE(RestartAsAdministrator(ask));
    EXPECT_EQ(AppProfile().GetInt("Save", kEntryHandOver, -1), static_cast<int>(::GetCurrentProcessId()));
    MSG quit;
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "every loop of this copy ends";
}

TEST_F(KeysEverywhere, TurningKeepRunningOnStoresTheRunningSlotsEndsAndOffClearsThem)
{
    const std::int32_t now = CurrentSlotTime();
    ASSERT_TRUE(ToggleTimerSlot(2, now));
    SwitchKeptSlotEnds(true);
    EXPECT_EQ(AppProfile().GetInt("Save", "End#2", -1), now + g_timerSlots[2].duration);
    EXPECT_EQ(AppProfile().GetInt("Save", "End#0", -1), 0) << "an idle slot keeps no end";
    SwitchKeptSlotEnds(false);
    EXPECT_EQ(AppProfile().GetInt("Save", "End#2", -1), 0);
    ToggleTimerSlot(2, now);
}
