// The player's sets at the Win32 layer: the names a set may have, what a
// switch shows and keeps, and the limits.
#include "ProgramWindows.h"

#include "common/AppSettings.h"
#include "common/Sets.h"
#include "framework/CodePage.h"

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
    ASSERT_TRUE(NewSet(L"기본 (2)"));
    EXPECT_EQ(UniqueSetName(L"기본"), L"기본 (3)");
    EXPECT_EQ(UniqueSetName(L"가나다라마바사아자차"), L"가나다라마바사아자차") << "no set has it";
    ASSERT_TRUE(NewSet(L"가나다라마바사아자차"));
    EXPECT_EQ(UniqueSetName(L"가나다라마바사아자차"), L"가나다라마바사아 (2)") << "cut to fit its number";
    EXPECT_EQ(SetNames(), (std::vector<std::wstring>{L"가나다라마바사아자차", L"기본", L"기본 (2)"}));
    EXPECT_EQ(ShownSetIndex(), 0);
}

TEST_F(Sets, EachSetKeepsItsOwnSlotsKeysAndRunningTimersWhileAnotherIsShown)
{
    const std::int32_t now = CurrentSlotTime();
    ToggleTimerSlot(0, now);
    OpenEditor(4);
    ASSERT_TRUE(NewSet(L"B"));
    EXPECT_FALSE(::IsWindowVisible(Editor())) << "an edit of the set before goes";
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
    EXPECT_FALSE(DeleteShownSet());
    for (int i = 2; i <= kMostSets; ++i) ASSERT_TRUE(NewSet(L"S" + std::to_wstring(i))) << i;
    EXPECT_EQ(SetCount(), kMostSets);
    EXPECT_FALSE(NewSet(L"one more"));
    EXPECT_FALSE(AddSet(TimerSet{}));
    const std::vector<std::wstring> names = SetNames();
    const int shown = ShownSetIndex();
    ASSERT_TRUE(DeleteShownSet());
    EXPECT_EQ(SetCount(), kMostSets - 1);
    EXPECT_EQ(ShownSetName(), names[static_cast<std::size_t>(shown + 1) % names.size()]) << "the next by name";
    EXPECT_EQ(AppProfile().GetText("Option", "SetName"), WideToMultiByte(ShownSetName(), CP_UTF8));
}
