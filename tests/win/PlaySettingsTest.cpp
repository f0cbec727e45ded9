// A choice that cannot be applied shows as off and is not stored as on.
#include "ProgramWindows.h"

#include "common/AppSettings.h"
#include "play/TriggerHook.h"
#include "play/PlaySettings.h"

namespace {

HHOOK WINAPI RefuseHook(int, HOOKPROC, HINSTANCE, DWORD)
{
    ::SetLastError(ERROR_ACCESS_DENIED);  // as a security program may
    return nullptr;
}

int StoredDigitKeys()
{
    return AppProfile().GetInt("Option", "GlobalDigitKeys", -5);
}

}  // namespace

class RefusedHook : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        AfxGetApp()->WriteProfileInt(L"Option", L"GlobalDigitKeys", 1);
        LoadOptions();
        SetHookInstaller(RefuseHook);
    }
    void TearDown() override
    {
        SetHookInstaller(nullptr);
        ProgramWindows::TearDown();
    }
};

TEST_F(RefusedHook, ShowsTheDigitKeysOffAndStoresNothingAsOn)
{
    EXPECT_FALSE(IsOptionOn(GlobalDigitKeys)) << "refused at start-up: the menu shows it off";
    EXPECT_EQ(StoredDigitKeys(), 1) << "the player's choice stays for the next start";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MelkbayTests");
    EXPECT_FALSE(SwitchDigitKeys(true));
    EXPECT_FALSE(IsOptionOn(GlobalDigitKeys));
    EXPECT_EQ(StoredDigitKeys(), -5) << "a choice that could not be applied is not stored";

    SetHookInstaller(nullptr);  // the system allows it again
    EXPECT_TRUE(SwitchDigitKeys(true));
    EXPECT_TRUE(IsOptionOn(GlobalDigitKeys));
    EXPECT_EQ(StoredDigitKeys(), 1);
    SwitchDigitKeys(false);
    EXPECT_EQ(StoredDigitKeys(), 0);
}

class KeptEnds : public ProgramWindows {
protected:
    void SeedRegistry() override { LoadOptions(); }  // every choice off
};

TEST_F(KeptEnds, TurningKeepRunningOnStoresTheRunningSlotsEndsAndOffClearsThem)
{
    const std::int32_t now = CurrentSlotTime();
    ASSERT_TRUE(ToggleTimerSlot(2, now));
    SwitchKeptSlotEnds(true);
    EXPECT_EQ(AppProfile().GetInt("Save", "End#2", -1), now + g_timerSlots[2].duration);
    EXPECT_EQ(AppProfile().GetInt("Save", "End#0", -1), 0) << "an idle slot keeps no end";
    SwitchKeptSlotEnds(false);
    EXPECT_EQ(AppProfile().GetInt("Save", "End#2", -1), 0);
    ToggleTimerSlot(2, now);
}
