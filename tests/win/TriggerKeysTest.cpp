// The slots' triggers at the program's own windows: key combinations by the
// thread's key state, mouse buttons over the bar, and the settings window's
// catcher of a new trigger.
#include "ProgramWindows.h"

#include <imm.h>

#include <optional>
#include <vector>

#include "common/AppSettings.h"
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
        StoreTriggers(triggers);
    }
    void TearDown() override
    {
        StoreTriggers(DefaultSlotTriggers());
        Hold(VK_CONTROL, false);
        ProgramWindows::TearDown();
    }
};

TEST_F(TriggerKeys, AReleaseActsOnTheSlotOfItsKeyAndTheModifiersHeldAtItsPress)
{
    const struct {
        HWND (*window)();
        UINT down, up;
        WPARAM key;
        bool control;  // held from before the press to after the release
        int slot;      // started, or -1
    } rows[] = {
        {Bar, WM_KEYDOWN, WM_KEYUP, VK_F5, false, 0},
        {Bar, WM_KEYDOWN, WM_KEYUP, VK_F5, true, 0},     // a plain key acts with a modifier held
        {Bar, WM_KEYDOWN, WM_KEYUP, '3', true, 1},
        {Bar, WM_KEYDOWN, WM_KEYUP, '3', false, -1},     // slot 3 has the side button, slot 2 Ctrl+3
        {Bar, WM_XBUTTONDOWN, WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON1), false, 2},
        {Bar, WM_XBUTTONDOWN, WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON2), false, -1},
        {Bar, WM_MBUTTONDOWN, WM_MBUTTONUP, 0, false, -1},
        {Bar, WM_KEYDOWN, WM_KEYUP, '1', false, -1},     // slot 1's digit is F5 now
    };
    for (const auto& row : rows) {
        Hold(VK_CONTROL, row.control);
        ::SendMessageW(row.window(), row.down, row.key, 0);
        ::SendMessageW(row.window(), row.up, row.key, 0);
        Hold(VK_CONTROL, false);
        for (int i = 0; i < kTimerSlotCount; ++i) {
            EXPECT_EQ(g_timerSlots[i].state, i == row.slot ? Running : Idle) << "key " << row.key << " slot " << i;
            g_timerSlots[i].state = Idle;
        }
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
        EXPECT_EQ(g_timerSlots[1].state, second == kRepeat ? Running : Idle) << "repeat flag " << second;
        g_timerSlots[1].state = Idle;
    }
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
        {{{WM_KEYDOWN, VK_F5}, {WM_KEYDOWN, VK_F6}, {WM_KEYUP, VK_F6}, {WM_KEYUP, VK_F5}}, 0, Caught, VK_F5,
         "the first key pressed counts"},
        {{{WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2)}, {WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON2)}}, 0, Caught, kSideButton2,
         "a side button"},
        {{{WM_MBUTTONDOWN, 0}, {WM_MBUTTONUP, 0}}, 0, Caught, kMiddleButton, "the middle button"},
        {{{WM_KEYDOWN, VK_ESCAPE}, {WM_KEYUP, VK_ESCAPE}}, 0, Stopped, 0, "Escape"},
        {{{WM_LBUTTONDOWN, 0}}, 0, Stopped, 0, "a left click"},
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
