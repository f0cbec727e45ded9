// What the bar's tick does as slots reach zero or turn red: the one sound it plays.
#include "ProgramWindows.h"

#include <vector>

#include "bar/TimerBarDlg.h"
#include "common/AppSettings.h"
#include "sets/KeptEnds.h"
#include "model/SlotEnds.h"
#include "model/TimerSlots.h"
#include "framework/CodePage.h"
#include "play/AlertSounds.h"
#include "play/Speech.h"

namespace {

std::vector<AlertCue> g_played;

void RecordCue(const AlertCue& cue, std::int32_t)
{
    g_played.push_back(cue);
}

std::vector<std::wstring> g_said;
bool g_voiceSpeaks = true;

bool RecordSpeech(const std::wstring& text, const std::vector<std::uint16_t>&, std::int32_t volume)
{
    g_said.push_back(text + L" @" + std::to_wstring(volume));
    return g_voiceSpeaks;
}

void Named(int slot, const wchar_t* name)
{
    const std::string bytes = WideToMultiByte(name);
    std::copy(bytes.begin(), bytes.end(), g_timerSlots[slot].name);
    g_timerSlots[slot].name[bytes.size()] = '\0';
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
        SetSpeaker(nullptr);
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

TEST_F(BarTick, SlotsThatSpeakSayTheirNamesAsOneUtteranceAndSoundWhereNoVoiceCan)
{
    StoreOption(ExpirySound, true);
    SetSpeaker(RecordSpeech);
    SlotAlerts alerts = DefaultSlotAlerts();
    alerts.speak[0] = alerts.speak[2] = SpeakMode::End;
    alerts.sound[0] = EndSound::None;  // where no voice speaks: the chime
    alerts.sound[1] = EndSound::Gong;  // speaks not: its gong as ever
    alerts.speak[4] = SpeakMode::WarningAndEnd;
    alerts.warn[4] = true;
    StoreAlerts(alerts);
    const struct {
        bool voice;
        std::vector<int> ending;
        std::vector<std::wstring> said;
        std::vector<AlertCue> played;
    } rows[] = {
        {true, {0, 1, 2}, {L"해독제, 3번, 음식 1분 @100"}, {{AlertCue::End, EndSound::Gong}}},
        {false, {0}, {L"해독제, 음식 1분 @100"}, {{AlertCue::End, EndSound::Chime}}},
        {true, {}, {L"음식 1분 @100"}, {}},  // the warning said, not ticked
    };
    for (const auto& row : rows) {
        const std::int32_t now = CurrentSlotTime();
        for (int slot : row.ending) g_timerSlots[slot] = TimerSlot{0, 1, 60, Running, now - 2, ""};
        g_timerSlots[4] = TimerSlot{0, 61, 60, Running, now - 1, ""};  // turns red in this tick
        Named(0, L"해독제");
        Named(4, L"음식");
        g_voiceSpeaks = row.voice;
        g_said.clear();
        g_played.clear();
        ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
        EXPECT_EQ(g_said, row.said) << row.voice;
        EXPECT_EQ(g_played, row.played) << row.voice;
        for (TimerSlot& slot : g_timerSlots) slot.state = Idle;
    }
}
