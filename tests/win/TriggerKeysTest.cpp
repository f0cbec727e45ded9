// The slots' triggers at the program's own windows: key combinations by the
// thread's key state, mouse buttons over the bar, and the settings window's
// catcher of a new trigger.
#include "ProgramWindows.h"

#include <optional>

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
        {Editor, WM_KEYDOWN, WM_KEYUP, '3', true, 1},    // forwarded by the editor
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
    // Ctrl let go before the 3: the release still carries the Ctrl of its press.
    Hold(VK_CONTROL, true);
    ::SendMessageW(Bar(), WM_KEYDOWN, '3', 0);
    Hold(VK_CONTROL, false);
    ::SendMessageW(Bar(), WM_KEYUP, '3', 0);
    EXPECT_EQ(g_timerSlots[1].state, Running);
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
        ::DestroyWindow(m_hWnd);
    }
    // Waits, sends the messages, and says what was caught (nullopt: stopped, or nothing yet).
    std::optional<std::optional<Trigger>> Catch(std::initializer_list<std::pair<UINT, WPARAM>> messages)
    {
        m_caught.reset();
        m_catcher.Wait([this](std::optional<Trigger> trigger) { m_caught = trigger; });
        for (const auto& message : messages) ::SendMessageW(m_hWnd, message.first, message.second, 0);
        return m_caught;
    }
    HWND m_hWnd = nullptr;
    std::optional<std::optional<Trigger>> m_caught;
    CKeyCatcher m_catcher;
};

TEST_F(Catcher, TakesTheFirstKeyOrButtonWithItsModifiersAndStopsOnEscapeOrAClick)
{
    EXPECT_EQ(Catch({{WM_KEYDOWN, VK_F5}}), std::optional<Trigger>(VK_F5));
    EXPECT_EQ(Catch({{WM_KEYDOWN, VK_NUMPAD1}}), std::optional<Trigger>(VK_NUMPAD1));
    EXPECT_EQ(Catch({{WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON2)}}), std::optional<Trigger>(kSideButton2));
    EXPECT_EQ(Catch({{WM_MBUTTONDOWN, 0}}), std::optional<Trigger>(kMiddleButton));
    const auto stopped = std::make_optional(std::optional<Trigger>());  // done, nothing caught
    EXPECT_EQ(Catch({{WM_KEYDOWN, VK_ESCAPE}}), stopped);
    EXPECT_EQ(Catch({{WM_LBUTTONDOWN, 0}}), stopped);
    Hold(VK_CONTROL, true);
    EXPECT_EQ(Catch({{WM_KEYDOWN, VK_CONTROL}}), std::nullopt) << "a modifier alone waits for its key";
    EXPECT_TRUE(m_catcher.IsWaiting());
    ::SendMessageW(m_hWnd, WM_KEYDOWN, '3', 0);
    EXPECT_EQ(m_caught, std::optional<Trigger>(MakeTrigger('3', kModControl)));
    EXPECT_EQ(Catch({{WM_SYSKEYDOWN, VK_F5}}), std::optional<Trigger>(MakeTrigger(VK_F5, kModControl)));
}
