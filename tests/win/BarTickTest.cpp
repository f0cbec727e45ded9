// What the bar's tick does as slots reach zero.
#include "ProgramWindows.h"

#include "bar/TimerBarDlg.h"
#include "common/AppSettings.h"
#include "model/TimerSlots.h"
#include "play/ExpiryChime.h"

namespace {

int g_chimes = 0;

void CountChime()
{
    ++g_chimes;
}

}  // namespace

class BarTick : public ProgramWindows {
protected:
    void SetUp() override
    {
        ProgramWindows::SetUp();
        SetChimeSound(CountChime);
    }
    void TearDown() override
    {
        SetChimeSound(nullptr);
        ProgramWindows::TearDown();
    }
};

TEST_F(BarTick, ChimesOnceForSlotsEndingTogetherAndOnlyWithTheChoiceOn)
{
    const struct {
        bool soundOn;
        int ending;  // slots reaching zero in the tick
        int chimes;
    } rows[] = {{true, 2, 1}, {true, 0, 0}, {false, 1, 0}, {false, 2, 0}};
    for (const auto& row : rows) {
        StoreOption(ExpirySound, row.soundOn);
        const std::int32_t now = CurrentSlotTime();
        for (int i = 0; i < row.ending; ++i) {
            g_timerSlots[i] = TimerSlot{0, 1, 60, Running, now - 2, ""};
        }
        g_chimes = 0;
        ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
        EXPECT_EQ(g_chimes, row.chimes) << "sound " << row.soundOn << ", " << row.ending << " ending";
        for (int i = 0; i < row.ending; ++i) EXPECT_EQ(g_timerSlots[i].state, Idle);
    }
}
