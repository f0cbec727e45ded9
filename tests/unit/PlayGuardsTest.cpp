#include <gtest/gtest.h>

#include "model/PlayGuards.h"

TEST(PlayGuards, TheWatchReinstallsAHookThatMissesAHeldKeyTwiceInARow)
{
    bool none[HookWatch::kKeyCount] = {};
    bool w[HookWatch::kKeyCount] = {};
    w['W'] = true;  // held by the player, as a game's movement key is
    bool mouse[HookWatch::kKeyCount] = {};
    mouse[0x01] = mouse[0x05] = true;  // buttons: never the keyboard hook's
    const struct {
        const bool (*system)[HookWatch::kKeyCount];
        const bool (*hook)[HookWatch::kKeyCount];
        bool reinstall;
        const char* what;
    } checks[] = {
        {&w, &none, false, "just installed: grace"},
        {&w, &none, false, "grace"},
        {&w, &none, false, "a first miss"},
        {&w, &none, true, "a second miss in a row: the hook is gone"},
        {&w, &none, false, "installed again: grace"},
        {&w, &none, false, "grace"},
        {&w, &w, false, "the hook sees the key"},
        {&w, &none, false, "one miss"},
        {&none, &none, false, "no input at all: nothing to tell"},
        {&w, &none, false, "a miss, not in a row"},
        {&mouse, &none, false, "a button held"},
        {&mouse, &none, false, "a button held"},
    };
    HookWatch watch;
    for (const auto& check : checks) {
        const bool reinstall = watch.Check(*check.system, *check.hook);
        EXPECT_EQ(reinstall, check.reinstall) << check.what;
        if (reinstall) watch.Installed();
    }
}

TEST(PlayGuards, TheProgramInFrontIsAboveUsAtAHigherOrAnUnreadableLevel)
{
    const struct {
        std::optional<std::uint32_t> front;
        std::uint32_t ours;
        bool above;
    } rows[] = {
        {kMediumIntegrity, kMediumIntegrity, false}, {kHighIntegrity, kMediumIntegrity, true},
        {0x4000, kMediumIntegrity, true},  // a system process
        {std::nullopt, kMediumIntegrity, true}, {kHighIntegrity, kHighIntegrity, false},
        {0x1000, kMediumIntegrity, false},  // a low-integrity browser tab
    };
    for (const auto& row : rows) EXPECT_EQ(IsFrontAboveUs(row.front, row.ours), row.above);
}

TEST(PlayGuards, AnExecutablesNameIsItsPathsLastPart)
{
    EXPECT_EQ(ExecutableName(L"C:\\Games\\Aion\\bin64\\Aion.bin"), L"Aion.bin");
    EXPECT_EQ(ExecutableName(L"notepad.exe"), L"notepad.exe");
    EXPECT_EQ(ExecutableName(L"Z:/usr/lib/wine/notepad.exe"), L"notepad.exe");
}
