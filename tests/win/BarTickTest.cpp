// What the bar's tick does as slots reach zero or turn red: the one sound it plays.
#include "ProgramWindows.h"

#include <vector>

#include "bar/TimerBarDlg.h"
#include "common/AppSettings.h"
#include "sets/KeptEnds.h"
#include "model/SlotEnds.h"
#include "model/TimerSlots.h"
#include "play/AlertSounds.h"

namespace {

std::vector<AlertCue> g_played;

void RecordCue(const AlertCue& cue, std::int32_t)
{
    g_played.push_back(cue);
}

}  // namespace

class BarTick : public ProgramWindows {
protected:
    void SetUp() override
    {
        ProgramWindows::SetUp();
        SetAlertPlayer(RecordCue);
    }
    void TearDown() override
    {
        SetAlertPlayer(nullptr);
        StoreAlerts(DefaultSlotAlerts());
        ProgramWindows::TearDown();
    }
};

TEST_F(BarTick, PlaysOneSoundForSlotsEndingTogetherAndOnlyWithTheChoiceOn)
{
    const struct {
        bool soundOn;
        int ending;  // slots reaching zero in the tick
        std::size_t sounds;
    } rows[] = {{true, 2, 1}, {true, 0, 0}, {false, 1, 0}, {false, 2, 0}};
    for (const auto& row : rows) {
        StoreOption(ExpirySound, row.soundOn);
        const std::int32_t now = CurrentSlotTime();
        for (int i = 0; i < row.ending; ++i) {
            g_timerSlots[i] = TimerSlot{0, 1, 60, Running, now - 2, ""};
        }
        g_played.clear();
        ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
        EXPECT_EQ(g_played.size(), row.sounds) << "sound " << row.soundOn << ", " << row.ending << " ending";
        for (int i = 0; i < row.ending; ++i) EXPECT_EQ(g_timerSlots[i].state, Idle);
    }
}

TEST_F(BarTick, ARepeatingSlotStartsAgainAndKeepsItsNewEnd)
{
    StoreOption(ExpirySound, true);
    SwitchKeptSlotEnds(true);
    SlotAlerts alerts = DefaultSlotAlerts();
    alerts.repeat[3] = true;
    alerts.sound[3] = EndSound::Gong;
    StoreAlerts(alerts);
    const std::int32_t now = CurrentSlotTime();
    g_timerSlots[3] = TimerSlot{0, 1, 60, Running, now - 3, ""};  // its end was two seconds ago
    g_played.clear();
    ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
    ASSERT_EQ(g_played.size(), 1u);
    EXPECT_EQ(g_played[0].sound, EndSound::Gong);
    EXPECT_EQ(g_timerSlots[3].state, Running);
    const std::int32_t end = SlotEnd(g_timerSlots[3]);
    EXPECT_EQ(end, now - 2 + 60);
    EXPECT_EQ(AppProfile().GetInt("Save", "End#3", 0), end);
    SwitchKeptSlotEnds(false);
}
