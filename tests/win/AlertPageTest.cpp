// The settings window's alert page, driven inside the real sheet: what its
// list and controls show for the slot chosen, what the try-out plays, and
// that OK stores only what changed while Cancel stores nothing.
#include "ProgramWindows.h"
#include "SettingsDriver.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "common/AppSettings.h"
#include "play/AlertSounds.h"
#include "play/Speech.h"
#include "settings/SettingsWindow.h"

namespace {

constexpr int kAlertPage = 1;
enum Column { SoundColumn = 2, WarnColumn, RepeatColumn, SpeakColumn, CountUpColumn };

std::vector<std::pair<AlertCue, std::int32_t>> g_played;

void RecordCue(const AlertCue& cue, std::int32_t volume)
{
    g_played.emplace_back(cue, volume);
}

std::vector<std::wstring> g_said;

bool NoVoice(const std::wstring& text, const std::vector<std::uint16_t>&, std::int32_t volume)
{
    g_said.push_back(text + L" @" + std::to_wstring(volume));
    return false;
}

}  // namespace

class AlertPage : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        AfxGetApp()->WriteProfileInt(L"Option", L"Sound#2", 1);  // the bell
        AfxGetApp()->WriteProfileInt(L"Option", L"Warn#2", 1);
        AfxGetApp()->WriteProfileInt(L"Option", L"SoundVolume", 70);
        LoadOptions();
        g_played.clear();
        SetAlertPlayer(RecordCue);
    }
    void TearDown() override
    {
        SetAlertPlayer(nullptr);
        SetSpeaker(nullptr);
        ProgramWindows::TearDown();
        LoadOptions();
    }
};

TEST_F(AlertPage, TheListAndTheControlsShowEachSlotsChoiceAndTheTryOutPlaysItAtTheVolumeShown)
{
    RunSettings(Bar(), [](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kAlertPage);
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 0, SoundColumn), L"차임");
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 0, WarnColumn), L"");
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 2, SoundColumn), L"종");
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 2, WarnColumn), L"켬");
        EXPECT_EQ(::SendDlgItemMessageW(page, IDC_SOUND_VOLUME, TBM_GETPOS, 0, 0), 7);
        const struct {
            int row;
            int sound;
            bool warn;
        } rows[] = {{2, 1, true}, {0, 0, false}, {2, 1, true}};
        for (const auto& row : rows) {
            SelectRow(page, IDC_ALERT_LIST, row.row);
            EXPECT_EQ(::SendDlgItemMessageW(page, IDC_ALERT_SOUND, CB_GETCURSEL, 0, 0), row.sound) << row.row;
            EXPECT_EQ(IsChecked(page, IDC_ALERT_WARN), row.warn) << row.row;
        }
        SlideTo(page, IDC_SOUND_VOLUME, 4);
        wchar_t shown[16] = L"";
        ::GetDlgItemTextW(page, IDC_SOUND_VOLUME_TEXT, shown, 16);
        EXPECT_STREQ(shown, L"40 %");
        ChooseInCombo(page, IDC_ALERT_SOUND, 3);
        ClickButton(page, IDC_ALERT_TRY);
        Press(sheet, PSBTN_CANCEL);
    });
    ASSERT_EQ(g_played.size(), 1u);
    EXPECT_EQ(g_played[0].first, (AlertCue{AlertCue::End, EndSound::Gong}));
    EXPECT_EQ(g_played[0].second, 40) << "the volume chosen, not yet stored";
    EXPECT_EQ(Stored("Sound#2"), 1) << "Cancel stores nothing";
    EXPECT_EQ(Stored("SoundVolume"), 70);
    EXPECT_EQ(SoundVolume(), 70);
}

TEST_F(AlertPage, OkStoresOnlyWhatChangedAndAppliesItAtOnce)
{
    const DWORD before = StoredValueCount();
    EXPECT_EQ(RunSettings(Bar(), [](HWND sheet, HWND) {
                  ShowPage(sheet, kAlertPage);
                  Press(sheet, PSBTN_OK);
              }).result,
              IDOK);
    EXPECT_EQ(StoredValueCount(), before) << "an OK without changes writes nothing";

    RunSettings(Bar(), [](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kAlertPage);
        SelectRow(page, IDC_ALERT_LIST, 5);
        ChooseInCombo(page, IDC_ALERT_SOUND, 4);  // 없음
        // Count past the end and repeat exclude each other: the last one chosen stays.
        ClickButton(page, IDC_ALERT_COUNT_UP);
        ClickButton(page, IDC_ALERT_REPEAT);
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 5, SoundColumn), L"없음");
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 5, RepeatColumn), L"켬");
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 5, CountUpColumn), L"");
        EXPECT_EQ(::IsDlgButtonChecked(page, IDC_ALERT_COUNT_UP), BST_UNCHECKED);
        SelectRow(page, IDC_ALERT_LIST, 7);
        ClickButton(page, IDC_ALERT_REPEAT);
        ClickButton(page, IDC_ALERT_COUNT_UP);
        EXPECT_EQ(::IsDlgButtonChecked(page, IDC_ALERT_REPEAT), BST_UNCHECKED);
        SelectRow(page, IDC_ALERT_LIST, 2);
        ClickButton(page, IDC_ALERT_WARN);  // off again
        SlideTo(page, IDC_SOUND_VOLUME, 5);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(StoredValueCount(), before + 3) << "Sound#5, Repeat#5, CountUp#7 new, Warn#2 and SoundVolume rewritten";
    EXPECT_EQ(Stored("Sound#5"), 4);
    EXPECT_EQ(Stored("Repeat#5"), 1);
    EXPECT_EQ(std::make_pair(Stored("CountUp#7"), Stored("CountUp#5")), std::make_pair(1, -1));
    EXPECT_EQ(Stored("Warn#2"), 0);
    EXPECT_EQ(Stored("Sound#2"), 1);
    EXPECT_EQ(Stored("SoundVolume"), 50);
    EXPECT_EQ(Stored("Warn#5"), -1) << "untouched values stay unwritten";
    EXPECT_EQ(CurrentAlerts().sound[5], EndSound::None) << "applied at once";
    EXPECT_EQ(RepeatingSlots(CurrentAlerts()), 1u << 5);
    EXPECT_EQ(CountingUpSlots(CurrentAlerts()), 1u << 7);
    EXPECT_EQ(SoundVolume(), 50);
}

TEST_F(AlertPage, ASlotSetToSpeakIsStoredAndItsTestSaysItOrSaysThatNoVoiceCould)
{
    SetSpeaker(NoVoice);
    std::wstring note;
    RunSettings(Bar(), [&note](HWND sheet, HWND) {
        HWND page = ShowPage(sheet, kAlertPage);
        SelectRow(page, IDC_ALERT_LIST, 2);
        ChooseInCombo(page, IDC_ALERT_SPEAK, 2);  // at the warning and the end
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 2, SpeakColumn), L"경고와 끝에");
        EXPECT_EQ(CellText(page, IDC_ALERT_LIST, 1, SpeakColumn), L"");
        SlideTo(page, IDC_SOUND_VOLUME, 4);
        ClickButton(page, IDC_ALERT_TRY);
        wchar_t text[128] = L"";
        ::GetDlgItemTextW(page, IDC_ALERT_SPEAK_NOTE, text, 128);
        note = text;
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(g_said, std::vector<std::wstring>{L"3번 @40"}) << "the end as it will be said, at the volume chosen";
    ASSERT_EQ(g_played.size(), 1u);
    EXPECT_EQ(g_played[0].first, (AlertCue{AlertCue::End, EndSound::Bell})) << "no voice: its sound instead";
    EXPECT_EQ(note, L"어떤 음성도 말하지 못해 끝 소리를 대신 들려 주었습니다.");
    EXPECT_EQ(Stored("Speak#2"), 2);
    EXPECT_EQ(Stored("Speak#1"), -1) << "only what changed";
    EXPECT_EQ(CurrentAlerts().speak[2], SpeakMode::WarningAndEnd);
}
