// The slots' triggers at the program's own windows: the bar's own keys and
// buttons with the thread's key state, the releases the hooks report as the
// system hands them events, and the settings window's catcher of a new trigger.
#include "ProgramWindows.h"

#include <imm.h>

#include <optional>
#include <vector>

#include "common/AppSettings.h"
#include "play/KeysEverywhere.h"
#include "play/TriggerHook.h"
#include "model/TimerSlots.h"
#include "settings/KeyCatcher.h"

namespace {

// Holds (or lets go of) a key in the thread's key state, as GetKeyState reads it.
void Hold(int key, bool down)
{
    BYTE state[256];
    ::GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
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

// The hooks the system is asked for, in order.
std::vector<int> g_hookTypes;

HHOOK WINAPI RecordHook(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread)
{
    g_hookTypes.push_back(type);
    return ::SetWindowsHookExW(type, proc, instance, thread);
}

}  // namespace

class TriggerKeys : public ProgramWindows {
protected:
    void SetUp() override
    {
        ProgramWindows::SetUp();
        SlotTriggers triggers = DefaultSlotTriggers();
        triggers.key[0] = VK_F5;
        triggers.key[1] = MakeTrigger('3', kModControl);
        triggers.key[2] = kSideButton1;
        triggers.key[5] = MakeTrigger(VK_F6, kModAlt);
        triggers.key[6] = MakeTrigger(VK_F7, kModShift);
        triggers.key[7] = MakeTrigger(VK_F8, kModWin);
        StoreTriggers(triggers);
        FollowStoredTriggers();
    }
    void TearDown() override
    {
        SwitchKeysEverywhere(false);
        SetHookInstaller(nullptr);
        StoreTriggers(DefaultSlotTriggers());
        Hold(VK_CONTROL, false);
        ProgramWindows::TearDown();
    }
};

TEST_F(TriggerKeys, AtTheBarAReleaseActsOnTheSlotOfItsKeyAndTheModifiersHeldAtItsPress)
{
    const struct {
        UINT down, up;
        WPARAM key;
        bool control;  // held from before the press to after the release
        int slot;      // started, or -1
    } rows[] = {
        {WM_KEYDOWN, WM_KEYUP, VK_F5, false, 0},
        {WM_KEYDOWN, WM_KEYUP, VK_F5, true, 0},  // a plain key acts with a modifier held
        {WM_KEYDOWN, WM_KEYUP, '3', true, 1},
        {WM_KEYDOWN, WM_KEYUP, '3', false, -1},  // slot 3 has the side button, slot 2 Ctrl+3
        {WM_KEYDOWN, WM_KEYUP, '5', false, 4}, {WM_KEYDOWN, WM_KEYUP, '9', false, 8},
        {WM_KEYDOWN, WM_KEYUP, '1', false, -1},  // slot 1's digit is F5 now
        {WM_KEYDOWN, WM_KEYUP, '0', false, -1}, {WM_KEYDOWN, WM_KEYUP, VK_NUMPAD9, false, -1},
        {WM_KEYDOWN, WM_KEYUP, 'A', false, -1}, {WM_KEYDOWN, WM_KEYUP, VK_RETURN, false, -1},
        {WM_XBUTTONDOWN, WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON1), false, 2},
        {WM_XBUTTONDOWN, WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON2), false, -1},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, 0, false, -1},
    };
    for (const auto& row : rows) {
        ::ValidateRect(Bar(), nullptr);
        Hold(VK_CONTROL, row.control);
        ::SendMessageW(Bar(), row.down, row.key, 0);
        ::SendMessageW(Bar(), row.up, row.key, 0);
        Hold(VK_CONTROL, false);
        const bool repainted = ::GetUpdateRect(Bar(), nullptr, FALSE) != FALSE;
        EXPECT_EQ(TakeRunning(), row.slot < 0 ? std::vector<int>{} : std::vector<int>{row.slot}) << "key " << row.key;
        EXPECT_EQ(repainted, row.slot >= 0) << "repainted now, not at the next tick";
    }
    // Ctrl let go before the 3: the release still carries the Ctrl of its press,
    // through the key's repeats; a fresh press after a release that went
    // elsewhere is a press of its own.
    constexpr LPARAM kRepeat = 1L << 30;
    for (const LPARAM second : {kRepeat, LPARAM{0}}) {
        Hold(VK_CONTROL, true);
        ::SendMessageW(Bar(), WM_KEYDOWN, '3', 0);
        Hold(VK_CONTROL, false);
        ::SendMessageW(Bar(), WM_KEYDOWN, '3', second);
        ::SendMessageW(Bar(), WM_KEYUP, '3', kRepeat);
        EXPECT_EQ(TakeRunning(), second == kRepeat ? std::vector<int>{1} : std::vector<int>{}) << second;
    }
    // A key that reaches another of our windows is the bar's too.
    ::SendMessageW(Editor(), WM_KEYDOWN, '5', 0);
    ::SendMessageW(Editor(), WM_KEYUP, '5', kRepeat);
    EXPECT_EQ(TakeRunning(), std::vector<int>{4}) << "forwarded from the editor";
    // Pressed here, and the bar left before its release: the press is forgotten.
    Hold(VK_CONTROL, true);
    ::SendMessageW(Bar(), WM_KEYDOWN, '3', 0);
    ::SendMessageW(Bar(), WM_ACTIVATE, WA_INACTIVE, 0);
    Hold(VK_CONTROL, false);
    ::SendMessageW(Bar(), WM_KEYUP, '3', kRepeat);
    EXPECT_EQ(TakeRunning(), std::vector<int>{}) << "the release carries no Ctrl of a press before";
}

TEST_F(TriggerKeys, WithTheHooksInTheirReportActsInOurWindowsUnlessTheFocusTakesTheKey)
{
    g_hookTypes.clear();
    SetHookInstaller(RecordHook);
    ASSERT_TRUE(SwitchKeysEverywhere(true));
    EXPECT_EQ(g_hookTypes, (std::vector<int>{WH_KEYBOARD_LL, WH_MOUSE_LL})) << "slot 3's side button needs the mouse's";
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
        unsigned held = 0;  // a modifier key the hook sees go down before and up after
    } rows[] = {
        {OnBar, VK_F5, {0}, "at the bar"},
        {OnBar, '5', {4}, "a digit at the bar"},
        {OnBar, '3', {1}, "Ctrl+3 with the left Ctrl", VK_LCONTROL},
        {OnBar, '3', {1}, "and with the right", VK_RCONTROL},
        {OnBar, VK_F6, {5}, "Alt+F6 with the left Alt", VK_LMENU},
        {OnBar, VK_F6, {5}, "and with AltGr, the right", VK_RMENU},
        {OnBar, VK_F7, {6}, "Shift+F7 with the left Shift", VK_LSHIFT},
        {OnBar, VK_F7, {6}, "and with the right", VK_RSHIFT},
        {OnBar, VK_F8, {7}, "Windows+F8 with the left Windows key", VK_LWIN},
        {OnBar, VK_F8, {7}, "and with the right", VK_RWIN},
        {OnBar, VK_F8, {}, "F8 alone is no slot's key"},
        {OnName, VK_F5, {0}, "in the name box, a key that types nothing"},
        {OnName, '5', {}, "in the name box, a character it takes"},
        {OnName, kSideButton1, {2}, "in the name box, a side button"},
        {OnWaitingCatcher, VK_F5, {}, "the key catcher takes every key"},
        {OnWaitingCatcher, kSideButton1, {}, "and every button"},
    };
    for (const auto& row : rows) {
        ::SetFocus(row.focus == OnName ? hWndName : Bar());
        if (row.focus == OnWaitingCatcher) catcher.Wait([](std::optional<Trigger>) {});
        if (row.held) HookEvent(row.held, true);
        HookEvent(row.key, true);
        HookEvent(row.key, false);
        if (row.held) HookEvent(row.held, false);
        EXPECT_EQ(TakeRunning(), row.running) << row.what;
        ::SendMessageW(hWndCatcher, WM_LBUTTONDOWN, 0, 0);  // stops a wait
    }
    // The bar's own key messages do not act as well while the hook sees the key.
    ::SetFocus(Bar());
    ::SendMessageW(Bar(), WM_KEYDOWN, '4', 0);
    ::SendMessageW(Bar(), WM_KEYUP, '4', 0xC0000000);
    EXPECT_EQ(TakeRunning(), std::vector<int>{});
    ::DestroyWindow(hWndCatcher);
}

class Catcher : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr, nullptr,
                                   nullptr);
        m_catcher.SubclassWindow(m_hWnd);
    }
    void TearDown() override
    {
        Hold(VK_CONTROL, false);
        Hold(VK_MENU, false);
        ::DestroyWindow(m_hWnd);
    }
    // A waiting catcher asks the dialog for every key.
    bool Waits() const { return ::SendMessageW(m_hWnd, WM_GETDLGCODE, 0, 0) == DLGC_WANTALLKEYS; }
    HWND m_hWnd = nullptr;
    CKeyCatcher m_catcher;
};

TEST_F(Catcher, TakesTheFirstKeyOrButtonAtItsReleaseAndNothingElseSeesIt)
{
    struct Message {
        UINT message;
        WPARAM wParam;
    };
    enum Outcome { Waiting, Stopped, Caught };
    const struct {
        std::vector<Message> messages;
        int held;  // a modifier held throughout, or 0
        Outcome outcome;
        Trigger trigger;
        const char* what;
    } rows[] = {
        {{{WM_KEYDOWN, VK_F5}, {WM_KEYUP, VK_F5}}, 0, Caught, VK_F5, "a key"},
        {{{WM_KEYDOWN, VK_NUMPAD1}, {WM_KEYUP, VK_NUMPAD1}}, 0, Caught, VK_NUMPAD1, "the keypad's 1"},
        {{{WM_KEYDOWN, 'D'}, {WM_CHAR, 'd'}}, 0, Waiting, 0, "its character comes while it still waits"},
        {{{WM_KEYDOWN, 'D'}, {WM_CHAR, 'd'}, {WM_KEYUP, 'D'}}, 0, Caught, 'D', "then its release ends the wait"},
        {{{WM_SYSKEYDOWN, 'C'}, {WM_SYSCHAR, 'c'}, {WM_SYSKEYUP, 'C'}}, VK_MENU, Caught, MakeTrigger('C', kModAlt),
         "Alt+C: no mnemonic"},
        {{{WM_KEYDOWN, VK_CONTROL}, {WM_KEYUP, VK_CONTROL}}, VK_CONTROL, Waiting, 0, "a modifier alone waits"},
        {{{WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, '3'}, {WM_KEYUP, '3'}}, VK_CONTROL, Caught,
         MakeTrigger('3', kModControl), "then its key"},
        {{{WM_KEYDOWN, VK_PROCESSKEY}, {WM_KEYUP, 'A'}}, 0, Waiting, 0, "the input method's stand-in is no key"},
        {{{WM_KEYDOWN, VK_F5}, {WM_KEYDOWN, VK_F6}, {WM_KEYUP, VK_F6}}, 0, Waiting, 0, "the first key pressed counts"},
        {{{WM_KEYDOWN, VK_F5}, {WM_KEYDOWN, VK_F6}, {WM_KEYUP, VK_F6}, {WM_KEYUP, VK_F5}}, 0, Caught, VK_F5,
         "at its own release"},
        {{{WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2)}, {WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON2)}}, 0, Caught, kSideButton2,
         "a side button"},
        {{{WM_MBUTTONDOWN, 0}, {WM_MBUTTONUP, 0}}, 0, Caught, kMiddleButton, "the middle button"},
        {{{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_ESCAPE}}, 0, Stopped, 0, "Escape"},
        {{{WM_LBUTTONDOWN, 0}}, 0, Stopped, 0, "a left click"},
        {{{WM_KEYDOWN, VK_F7}, {WM_KILLFOCUS, 0}}, 0, Caught, VK_F7, "the focus gone with a key down: that key"},
        {{{WM_KILLFOCUS, 0}}, 0, Stopped, 0, "the focus gone with none"},
    };
    for (const auto& row : rows) {
        std::optional<std::optional<Trigger>> caught;
        m_catcher.Wait([&caught](std::optional<Trigger> trigger) { caught = trigger; });
        EXPECT_EQ(ImmGetContext(m_hWnd), nullptr) << "no input method while waiting";
        if (row.held) Hold(row.held, true);
        for (const Message& message : row.messages) {
            EXPECT_EQ(::SendMessageW(m_hWnd, message.message, message.wParam, 0),
                      message.message == WM_XBUTTONDOWN || message.message == WM_XBUTTONUP ? TRUE : 0)
                << row.what;
        }
        if (row.held) Hold(row.held, false);
        EXPECT_EQ(Waits(), row.outcome == Waiting) << row.what;
        const std::optional<std::optional<Trigger>> expected =
            row.outcome == Caught    ? std::make_optional(std::optional<Trigger>(row.trigger))
            : row.outcome == Stopped ? std::make_optional(std::optional<Trigger>())
                                     : std::nullopt;
        EXPECT_EQ(caught, expected) << row.what;
        ::SendMessageW(m_hWnd, WM_LBUTTONDOWN, 0, 0);
        EXPECT_FALSE(Waits());
    }
}
