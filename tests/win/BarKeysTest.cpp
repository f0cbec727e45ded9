// Which key releases at the bar start and stop which slot, and that the bar
// shows it at once.
#include "ProgramWindows.h"

#include "model/TimerSlots.h"

class BarKeys : public ProgramWindows {};

TEST_F(BarKeys, DigitKeysOneToNineToggleTheirSlotAndRepaintAtOnce)
{
    const struct {
        UINT key;
        int slot;  // -1: none
    } rows[] = {
        {'1', 0}, {'5', 4}, {'9', 8},
        {'0', -1}, {VK_NUMPAD1, -1}, {VK_NUMPAD9, -1}, {'A', -1}, {VK_F1, -1}, {VK_RETURN, -1}, {VK_ESCAPE, -1},
    };
    for (const auto& row : rows) {
        ::ValidateRect(Bar(), nullptr);
        ::SendMessageW(Bar(), WM_KEYUP, row.key, 0);
        for (int i = 0; i < kTimerSlotCount; ++i) {
            EXPECT_EQ(g_timerSlots[i].state, i == row.slot ? Running : Idle) << "key " << row.key << " slot " << i;
        }
        if (row.slot < 0) continue;
        EXPECT_TRUE(::GetUpdateRect(Bar(), nullptr, FALSE)) << "repainted now, not at the next tick";
        ::SendMessageW(Bar(), WM_KEYUP, row.key, 0);
        EXPECT_EQ(g_timerSlots[row.slot].state, Idle) << "a second release stops it";
    }
    // A release at the editor reaches the bar.
    ::SendMessageW(Editor(), WM_KEYUP, '3', 0);
    EXPECT_EQ(g_timerSlots[2].state, Running);
    ::SendMessageW(Editor(), WM_KEYUP, '3', 0);
}
