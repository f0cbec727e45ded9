// Keys everywhere at the Win32 layer: a hook the system refuses shows the
// choice off and is tried again, the session notifications asked for until
// granted, the hooks out while the restart as administrator waits, and what
// a release the hook reports does in the program's own windows.
#include "ProgramWindows.h"

#include <vector>

#include "app/ElevatedRestart.h"
#include "common/AppSettings.h"
#include "model/HandOver.h"
#include "play/KeysEverywhere.h"
#include "play/TriggerHook.h"
#include "settings/KeyCatcher.h"

namespace {

bool g_refuse = false;
int g_installs = 0;

HHOOK WINAPI Install(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread)
{
    if (type == WH_KEYBOARD_LL) ++g_installs;
    if (g_refuse) {
        ::SetLastError(ERROR_ACCESS_DENIED);  // as a security program may
        return nullptr;
    }
    return ::SetWindowsHookExW(type, proc, instance, thread);
}

int g_sessionRefusals = 0;  // how many more asks the system refuses
int g_sessionAsks = 0;

bool WatchSession(HWND, bool watch)
{
    if (!watch) return true;
    ++g_sessionAsks;
    return g_sessionRefusals-- <= 0;
}

int StoredChoice()
{
    return AppProfile().GetInt("Option", "GlobalDigitKeys", -5);
}

// A key or button as the system hands it to the hooks, then the bar's queue.
void HookEvent(unsigned key, bool down)
{
    static DWORD time = 1000;
    time += 50;
    if (IsMouseTrigger(key)) {
        MSLLHOOKSTRUCT event{};
        event.mouseData = key == kMiddleButton ? 0 : MAKELONG(0, key == kSideButton1 ? XBUTTON1 : XBUTTON2);
        event.time = time;
        const WPARAM message = key == kMiddleButton ? (down ? WM_MBUTTONDOWN : WM_MBUTTONUP)
                                                    : (down ? WM_XBUTTONDOWN : WM_XBUTTONUP);
        TriggerMouseProc(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
    } else {
        KBDLLHOOKSTRUCT event{};
        event.vkCode = key;
        event.flags = down ? 0 : LLKHF_UP;
        event.time = time;
        TriggerKeyProc(HC_ACTION, down ? WM_KEYDOWN : WM_KEYUP, reinterpret_cast<LPARAM>(&event));
    }
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

}  // namespace

class KeysEverywhere : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        AfxGetApp()->WriteProfileInt(L"Option", L"GlobalDigitKeys", 1);
        SlotTriggers triggers = DefaultSlotTriggers();
        triggers.key[0] = VK_F5;
        triggers.key[2] = kSideButton1;
        triggers.pause = VK_F8;
        WriteSlotTriggers(AppProfile(), triggers);
        LoadOptions();
        g_refuse = Refused();
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
        StoreTriggers(DefaultSlotTriggers());
        LoadOptions();
    }
    static std::vector<int> Running()
    {
        std::vector<int> running;
        for (int i = 0; i < kTimerSlotCount; ++i) {
            if (g_timerSlots[i].state == ::Running) running.push_back(i);
        }
        return running;
    }
    static void StopAll()
    {
        for (TimerSlot& slot : g_timerSlots) slot.state = Idle;
    }
};

class RefusedHook : public KeysEverywhere {
protected:
    bool Refused() override { return true; }
};

TEST_F(RefusedHook, ShowsOffKeepsTheStoredChoiceAndIsTriedAgainAtTheNextResumeOrChoice)
{
    EXPECT_FALSE(IsOptionOn(TriggersEverywhere)) << "refused at start-up: the menu shows it off";
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

TEST_F(KeysEverywhere, SessionNotificationsAreAskedForUntilTheSystemGrantsThem)
{
    StopKeysEverywhere();
    g_sessionAsks = 0;
    g_sessionRefusals = 2;  // the session service is not up yet
    StartKeysEverywhere(Bar());
    for (int tick = 0; tick < 4; ++tick) CheckKeysEverywhere();
    EXPECT_EQ(g_sessionAsks, 3) << "refused twice, granted the third time, then left alone";
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

TEST_F(KeysEverywhere, AReleaseTheHookReportsActsInOurWindowsUnlessTheFocusTakesTheKey)
{
    ::SetForegroundWindow(Bar());
    ASSERT_TRUE(IsWindowOfThisProcess(::GetForegroundWindow()));
    HWND hWndName = ::GetDlgItem(Editor(), IDC_NAME_EDIT);
    HWND hWndCatcher = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr,
                                         nullptr, nullptr);
    CKeyCatcher catcher;
    catcher.SubclassWindow(hWndCatcher);
    enum Focus { OnBar, OnName, OnWaitingCatcher };
    const struct {
        Focus focus;
        unsigned key;
        std::vector<int> running;
        const char* what;
    } rows[] = {
        {OnBar, VK_F5, {0}, "at the bar"},
        {OnBar, '2', {1}, "a digit at the bar"},
        {OnName, VK_F5, {0}, "in the name box, a key that types nothing"},
        {OnName, '2', {}, "in the name box, a character it takes"},
        {OnName, kSideButton1, {2}, "in the name box, a side button"},
        {OnWaitingCatcher, VK_F5, {}, "the key catcher takes every key"},
        {OnWaitingCatcher, kSideButton1, {}, "and every button"},
        {OnBar, '1', {}, "slot 1's key is F5"},
    };
    for (const auto& row : rows) {
        if (row.focus == OnName) ::SetFocus(hWndName);
        if (row.focus == OnWaitingCatcher) catcher.Wait([](std::optional<Trigger>) {});
        if (row.focus == OnBar) ::SetFocus(Bar());
        HookEvent(row.key, true);
        HookEvent(row.key, false);
        EXPECT_EQ(Running(), row.running) << row.what;
        StopAll();
        ::SendMessageW(hWndCatcher, WM_LBUTTONDOWN, 0, 0);  // stops a wait
    }
    // The bar's own key messages do not act as well while the hook sees the key.
    ::SetFocus(Bar());
    ::SendMessageW(Bar(), WM_KEYDOWN, '4', 0);
    ::SendMessageW(Bar(), WM_KEYUP, '4', 0xC0000000);
    EXPECT_EQ(Running(), std::vector<int>{});
    ::DestroyWindow(hWndCatcher);
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
