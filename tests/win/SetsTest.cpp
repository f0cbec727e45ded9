// The player's sets at the Win32 layer: the names a set may have, what a
// switch shows and keeps, and the limits.
#include "ProgramWindows.h"
#include "SettingsDriver.h"

#include <prsht.h>

#include "common/AppSettings.h"
#include "sets/Sets.h"
#include "framework/CodePage.h"
#include "sets/SetFiles.h"
#include "sets/SetMenu.h"

namespace {

// The registry section that holds the set of this name, not shown.
std::string SectionOf(const std::string& name)
{
    for (const std::string& section : AppProfile().Sections()) {
        if (AppProfile().GetText(section.c_str(), "SetName") == name) return section;
    }
    return "(none)";
}

// Slot 1 of a set given a key and an end sound, as the settings window's pages store them.
void GiveSlotOne(SetId id, Trigger key, EndSound sound)
{
    const TimerSet set = *FindSet(id);
    const SlotRecords shown = RecordsOf(set.slots, set.triggers, set.alerts);
    SlotRecords edited = shown;
    edited[0].key = key;
    edited[0].sound = sound;
    ASSERT_TRUE(StoreSetChanges(id, SlotPart::Keys, shown, edited) && StoreSetChanges(id, SlotPart::Alerts, shown, edited));
}

}  // namespace

class Sets : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        AfxGetApp()->WriteProfileInt(L"Option", L"KeepRunning", 1);
        LoadOptions();
    }
    void TearDown() override
    {
        ProgramWindows::TearDown();
        StoreTriggers(DefaultSlotTriggers());
        LoadOptions();
    }
};

TEST_F(Sets, ANameIsRefusedAsASlotsNameIsAndMadeUniqueWithANumber)
{
    const struct {
        const wchar_t* name;
        std::optional<SetNameProblem> problem;
    } rows[] = {
        {L"", SetNameProblem::Empty},
        {L"기본", SetNameProblem::Taken},
        {L"가나다라마바사아자차", std::nullopt},                       // 20 bytes
        {L"가나다라마바사아자차a", SetNameProblem::NotStorable},       // 21
        {L"궁수\U0001F3F9", SetNameProblem::NotStorable},             // no code page holds the bow
        {L"Mage & Co", std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(CheckSetName(row.name), row.problem) << row.name;
    EXPECT_EQ(UniqueSetName(L"기본"), L"기본 (2)");
    ASSERT_TRUE(NewSet(ShownSetId(), L"기본 (2)"));
    EXPECT_EQ(UniqueSetName(L"기본"), L"기본 (3)");
    EXPECT_EQ(UniqueSetName(L"가나다라마바사아자차"), L"가나다라마바사아자차") << "no set has it";
    ASSERT_TRUE(NewSet(ShownSetId(), L"가나다라마바사아자차"));
    EXPECT_EQ(UniqueSetName(L"가나다라마바사아자차"), L"가나다라마바사아 (2)") << "cut to fit its number";
    EXPECT_EQ(SetNames(), (std::vector<std::wstring>{L"가나다라마바사아자차", L"기본", L"기본 (2)"}));
    EXPECT_EQ(ShownSetIndex(), 0);
}

TEST_F(Sets, EachSetKeepsItsOwnSlotsKeysAndRunningTimersWhileAnotherIsShown)
{
    const std::int32_t now = CurrentSlotTime();
    ToggleTimerSlot(0, now);
    ASSERT_TRUE(NewSet(ShownSetId(), L"B"));
    EXPECT_EQ(TakeRunning(), std::vector<int>{}) << "a new set starts with nothing running";
    SlotTriggers keys = CurrentTriggers();
    keys.key[0] = VK_F5;
    StoreTriggers(keys);
    ToggleTimerSlot(1, now);
    ASSERT_TRUE(ShowNextSet());  // 기본
    EXPECT_EQ(ShownSetName(), L"기본");
    EXPECT_EQ(g_timerSlots[0].state, Running) << "kept running while B was shown";
    EXPECT_EQ(g_timerSlots[1].state, Idle);
    EXPECT_EQ(CurrentTriggers().key[0], DefaultTrigger(0));
    // B went to a section of its own (the first went to Set1, which went as it came back).
    EXPECT_EQ(AppProfile().GetInt("Set2", "End#1", -1), now + g_timerSlotDefaults[1].duration)
        << "B's running slot kept in its section";
    EXPECT_EQ(AppProfile().GetInt("Set2", "Key#0", -1), VK_F5);
    EXPECT_EQ(AppProfile().GetText("Set1", "SetName"), "");
    ASSERT_TRUE(ShowNextSet());  // B
    EXPECT_EQ(CurrentTriggers().key[0], static_cast<Trigger>(VK_F5));
    EXPECT_EQ(TakeRunning(), std::vector<int>{1});
}

TEST_F(Sets, NoMoreThanThirtyAndNeverTheLastDeleted)
{
    EXPECT_FALSE(DeleteSet(ShownSetId()));
    for (int i = 2; i <= kMostSets; ++i) ASSERT_TRUE(NewSet(ShownSetId(), L"S" + std::to_wstring(i))) << i;
    EXPECT_EQ(SetCount(), kMostSets);
    EXPECT_FALSE(NewSet(ShownSetId(), L"one more"));
    EXPECT_FALSE(AddSet(TimerSet{}));
    const std::vector<std::wstring> names = SetNames();
    const int shown = ShownSetIndex();
    ASSERT_TRUE(DeleteSet(ShownSetId()));
    EXPECT_EQ(SetCount(), kMostSets - 1);
    EXPECT_EQ(ShownSetName(), names[static_cast<std::size_t>(shown + 1) % names.size()]) << "the next by name";
    EXPECT_EQ(AppProfile().GetText("Option", "SetName"), WideToMultiByte(ShownSetName(), CP_UTF8));
}

TEST_F(Sets, TheSettingsWindowStoresIntoTheSetItOpenedForWhicheverShowsMeanwhile)
{
    const SetId first = ShownSetId();  // 기본
    GiveSlotOne(first, VK_F5, EndSound::Bell);
    ASSERT_TRUE(NewSet(first, L"B"));
    const SetId b = ShownSetId();
    GiveSlotOne(b, VK_F6, EndSound::Gong);
    ASSERT_TRUE(ShowNextSet());
    ASSERT_EQ(ShownSetId(), first);
    const auto slotOne = [](SetId id) { return std::make_pair(FindSet(id)->triggers.key[0], FindSet(id)->alerts.sound[0]); };

    // Opened on 기본, B shown meanwhile (the next-set key), OK with no edit: nothing moves between them.
    std::wstring title;
    RunSettings(Bar(), [&title](HWND sheet, HWND) {
        wchar_t text[64] = L"";
        ::GetWindowTextW(sheet, text, 64);
        title = text;
        ShowNextSet();
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(title, L"설정: 기본") << "with more than one set the title names it";
    EXPECT_EQ(slotOne(first), std::make_pair(Trigger{VK_F5}, EndSound::Bell));
    EXPECT_EQ(slotOne(b), std::make_pair(Trigger{VK_F6}, EndSound::Gong));

    // Opened on B, slot 2 given F7 and a warning, 기본 shown meanwhile: B has them, in its own section.
    RunSettings(Bar(), [](HWND sheet, HWND page) {
        SelectRow(page, IDC_SLOT_LIST, 1);
        CatchKey(page, VK_F7);
        HWND alertPage = ShowPage(sheet, 1);
        SelectRow(alertPage, IDC_ALERT_LIST, 1);
        ::CheckDlgButton(alertPage, IDC_ALERT_WARN, BST_CHECKED);
        ::SendMessageW(alertPage, WM_COMMAND, MAKEWPARAM(IDC_ALERT_WARN, BN_CLICKED), 0);
        ShowNextSet();
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(FindSet(b)->triggers.key[1], Trigger{VK_F7});
    EXPECT_TRUE(FindSet(b)->alerts.warn[1]);
    EXPECT_EQ(AppProfile().GetInt(SectionOf("B").c_str(), "Key#1", -1), VK_F7);
    EXPECT_EQ(AppProfile().GetInt(SectionOf("B").c_str(), "Warn#1", -1), 1);
    EXPECT_EQ(CurrentTriggers().key[1], DefaultTrigger(1)) << "기본, shown, keeps its own";
    EXPECT_FALSE(CurrentAlerts().warn[1]);

    // Opened on 기본, deleted meanwhile, then an edit and OK: stored nowhere, and the player is told.
    const SettingsRun gone = RunSettings(Bar(), [](HWND sheet, HWND page) {
        DeleteSet(ShownSetId());
        SelectRow(page, IDC_SLOT_LIST, 2);
        CatchKey(page, VK_F8);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(gone.boxes, std::vector<std::wstring>{L"그사이에 기본 세트가 지워졌습니다. 그 세트에는 아무것도 바꾸지 않았습니다."});
    EXPECT_EQ(ShownSetId(), b);
    EXPECT_EQ(CurrentTriggers().key[2], DefaultTrigger(2));
}

TEST_F(Sets, TheEditorCommitsIntoTheSetItOpenedOnWhicheverShowsMeanwhile)
{
    constexpr POINT kHourUp{89, 139}, kOk{321, 178};
    const auto click = [](POINT at) {
        Mouse(Editor(), WM_LBUTTONDOWN, at.x, at.y);
        Mouse(Editor(), WM_LBUTTONUP, at.x, at.y);
    };
    const std::int32_t duration = g_timerSlotDefaults[4].duration;
    const SetId first = ShownSetId();
    ASSERT_TRUE(NewSet(first, L"B"));
    const SetId b = ShownSetId();
    ASSERT_TRUE(ShowNextSet());  // 기본

    // Opened on 기본, an hour more, B shown meanwhile (the next-set key), OK: 기본 has it.
    OpenEditor(4);
    click(kHourUp);
    ASSERT_TRUE(ShowNextSet());
    EXPECT_TRUE(::IsWindowVisible(Editor())) << "a switch changes nothing the editor holds";
    click(kOk);
    EXPECT_FALSE(::IsWindowVisible(Editor()));
    EXPECT_EQ(FindSet(first)->slots[4].duration, duration + 3600);
    EXPECT_EQ(g_timerSlots[4].duration, duration) << "B, shown, keeps its own";
    EXPECT_EQ(AppProfile().GetInt(SectionOf("기본").c_str(), "Time#4", -1), duration + 3600) << "in 기본's section";

    // Opened on B, B deleted meanwhile, OK: stored nowhere, and the player is told.
    OpenEditor(4);
    click(kHourUp);
    ASSERT_TRUE(DeleteSet(b));
    const SettingsRun gone = AnswerBoxes([&click, kOk] { click(kOk); });
    EXPECT_EQ(gone.boxes, std::vector<std::wstring>{L"그사이에 B 세트가 지워졌습니다. 그 세트에는 아무것도 바꾸지 않았습니다."});
    EXPECT_EQ(g_timerSlots[4].duration, duration + 3600) << "기본, shown now, untouched";
    EXPECT_EQ(AppProfile().GetInt("Save", "Time#4", -1), duration + 3600);
    EXPECT_FALSE(::IsWindowVisible(Editor()));
}

TEST_F(Sets, TheDeleteBoxAndTheNameDialogActOnTheSetTheyAskedAbout)
{
    ASSERT_TRUE(NewSet(ShownSetId(), L"B"));
    // "Delete the set B?", 기본 shown meanwhile, Yes: B goes, 기본 stays.
    const SettingsRun asked =
        AnswerBoxes([] { RunSetCommand(kDeleteSetCommand, Bar()); }, IDYES, [](HWND) { ShowNextSet(); });
    EXPECT_EQ(asked.boxes, std::vector<std::wstring>{L"B 세트를 지울까요?"});
    EXPECT_EQ(SetNames(), std::vector<std::wstring>{L"기본"});

    // Rename B, 기본 shown meanwhile: B is renamed, 기본 keeps its name.
    ASSERT_TRUE(NewSet(ShownSetId(), L"B"));
    std::wstring title;
    AnswerBoxes([] { RunSetCommand(kRenameSetCommand, Bar()); }, IDOK, [&title](HWND dialog) {
        wchar_t text[64] = L"";
        ::GetWindowTextW(dialog, text, 64);
        title = text;
        ShowNextSet();
        ::SetDlgItemTextW(dialog, IDC_SET_NAME, L"C");
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(title, L"세트 이름 바꾸기: B");
    EXPECT_EQ(SetNames(), (std::vector<std::wstring>{L"C", L"기본"}));
    EXPECT_EQ(ShownSetName(), L"기본");
    EXPECT_EQ(AppProfile().GetText(SectionOf("C").c_str(), "SetName"), "C") << "stored in its own section";
}

TEST_F(Sets, TheProgramsOwnKeysBelongToNoSlotOfAnySet)
{
    ASSERT_TRUE(NewSet(ShownSetId(), L"B"));
    const SetId b = ShownSetId();
    const SlotRecords shown = RecordsOf(g_timerSlots, CurrentTriggers(), CurrentAlerts());
    SlotRecords edited = shown;
    edited[2].key = VK_F9;
    ASSERT_TRUE(StoreSetChanges(b, SlotPart::Keys, shown, edited));
    ASSERT_TRUE(ShowNextSet());  // 기본

    // F9 as the next-set key is refused, naming B's slot; a change of the pause key made
    // elsewhere meanwhile is not undone by an OK that did not change it.
    const SettingsRun refused = RunSettings(Bar(), [](HWND sheet, HWND page) {
        SelectRow(page, IDC_SLOT_LIST, kNextSetHolder);
        CatchKey(page, VK_F9);
        SlotTriggers elsewhere = CurrentTriggers();
        elsewhere.pause = VK_F11;
        StoreTriggers(elsewhere);
        SelectRow(page, IDC_SLOT_LIST, 0);
        CatchKey(page, VK_F7);
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(refused.boxes,
              std::vector<std::wstring>{L"F9 키는 이미 B 세트 3번 슬롯의 키입니다. 먼저 그 슬롯의 키를 바꾸십시오."});
    EXPECT_EQ(CurrentTriggers().nextSet, kNoTrigger);
    EXPECT_EQ(CurrentTriggers().pause, Trigger{VK_F11});
    EXPECT_EQ(AppProfile().GetInt("Option", "PauseKey", -1), VK_F11);
    EXPECT_EQ(CurrentTriggers().key[0], Trigger{VK_F7});

    // An import whose slot has the pause key gets no key there, counted among the values mended.
    const SettingsRun imported = AnswerBoxes(
        [] { TakeSetText(Bar(), "Tavorin set 1\nname = C\nslot 1 key = F11\n", L"c.tavorin-set"); });
    EXPECT_EQ(imported.boxes,
              std::vector<std::wstring>{L"C 세트를 가져왔습니다. 값 1개를 쓸 수 있는 범위로 고쳤습니다."});
    EXPECT_EQ(CurrentTriggers().key[0], kNoTrigger);

    // A conflict stored before reads in the program key's favour.
    SlotTriggers keys = CurrentTriggers();
    keys.nextSet = VK_F9;
    StoreTriggers(keys);
    SettleOtherSetsKeys();
    EXPECT_EQ(FindSet(b)->triggers.key[2], kNoTrigger);
}

TEST_F(Sets, ANameFromAFileFollowsTheOneRuleForNamesAndNoSetIsLostAtTheNextStart)
{
    const std::string first = "Tavorin set 1\n";
    const SettingsRun run = AnswerBoxes([&first] {
        TakeSetText(Bar(), first + std::string("name = A\0B\n", 11), L"1.tavorin-set");
        TakeSetText(Bar(), first + std::string("name = A\0C\n", 11), L"2.tavorin-set");
        TakeSetText(Bar(), first + "slot 1 name = x\n", L"3.tavorin-set");
        TakeSetText(Bar(), first + "name = " + std::string(65000, 'n') + "\n", L"4.tavorin-set");
    });
    EXPECT_EQ(run.boxes, (std::vector<std::wstring>{
                             L"A B 세트를 가져왔습니다. 값 1개를 쓸 수 있는 범위로 고쳤습니다.",
                             L"A C 세트를 가져왔습니다. 값 1개를 쓸 수 있는 범위로 고쳤습니다.",
                             L"세트에 이름이 없어서 가져온 세트(으)로 가져왔습니다.",
                             L"nnnnnnnnnnnnnnnnnnnn 세트를 가져왔습니다. 값 1개를 쓸 수 있는 범위로 고쳤습니다.",
                         }));
    const std::vector<std::wstring> names{L"A B", L"A C", L"nnnnnnnnnnnnnnnnnnnn", L"가져온 세트", L"기본"};
    EXPECT_EQ(SetNames(), names);
    LoadSets();  // the next start
    EXPECT_EQ(SetNames(), names);
}
