#include <gtest/gtest.h>

#include <initializer_list>

#include "model/PlayGuards.h"

namespace {

struct Keys {
    bool down[HookWatch::kKeyCount] = {};
    Keys(std::initializer_list<int> keys)
    {
        for (int key : keys) down[key] = true;
    }
};

}  // namespace

TEST(PlayGuards, TheWatchReinstallsOnlyAHookThatMissesAHeldKeyTwiceInARow)
{
    // What GetAsyncKeyState reports beside what the hook saw: the system has
    // the generic Shift (0x10), Ctrl (0x11) and Alt (0x12) down with the sided
    // key (0xA0-0xA5) that the hook reports.
    const struct {
        Keys system, hook;
        int reinstallAt;  // the check that finds the hook gone (counting from 1), or 0 for none
        const char* what;
    } rows[] = {
        {{'W'}, {}, 4, "a held key the hook never saw: two checks of grace, then two misses"},
        {{'W'}, {'W'}, 0, "the hook sees the key"},
        {{0x10, 0xA0}, {0xA0}, 0, "left Shift held: running"},
        {{0x10, 0xA1}, {0xA1}, 0, "right Shift"},
        {{0x11, 0xA2}, {0xA2}, 0, "left Ctrl"},
        {{0x11, 0xA3}, {0xA3}, 0, "right Ctrl held: crouching"},
        {{0x12, 0xA4, 'W'}, {0xA4, 'W'}, 0, "Alt held with a key"},
        {{0x11, 0xA2, 0x12, 0xA5}, {0xA2, 0xA5}, 0, "AltGr: left Ctrl and right Alt"},
        {{0x5B}, {0x5B}, 0, "left Windows key"},
        {{0x5C}, {0x5C}, 0, "right Windows key"},
        {{0x10, 0xA0, 0xA1, 0x11, 0xA2, 0xA3, 0x12, 0xA4, 0xA5}, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}, 0, "all at once"},
        {{0x10, 0xA1}, {}, 4, "a Shift the hook never saw"},
        {{0x01, 0x05}, {}, 0, "mouse buttons: never the keyboard hook's"},
        {{}, {}, 0, "no input at all: nothing to tell"},
    };
    for (const auto& row : rows) {
        HookWatch watch;
        int found = 0;
        for (int check = 1; check <= 6 && found == 0; ++check) {
            if (watch.Check(row.system.down, row.hook.down)) found = check;
        }
        EXPECT_EQ(found, row.reinstallAt) << row.what;
    }
    // A miss that is not in a row, and the grace after an installation.
    HookWatch watch;
    const Keys held{'W'}, none{};
    for (bool seen : {true, true, false, true, false}) EXPECT_FALSE(watch.Check(held.down, seen ? held.down : none.down));
    EXPECT_TRUE(watch.Check(held.down, none.down));
    watch.Installed();
    EXPECT_FALSE(watch.Check(held.down, none.down));
    EXPECT_FALSE(watch.Check(held.down, none.down));
}

TEST(PlayGuards, TheProgramInFrontIsAboveUsAtAHigherOrAnUnreadableLevel)
{
    EXPECT_FALSE(IsFrontAboveUs(kMediumIntegrity, kMediumIntegrity));
    EXPECT_TRUE(IsFrontAboveUs(kHighIntegrity, kMediumIntegrity));
    EXPECT_TRUE(IsFrontAboveUs(std::nullopt, kHighIntegrity)) << "a level we may not even read";
}

TEST(PlayGuards, TheStoredGameIsAnExecutablesFileNameOrAny)
{
    const struct {
        const wchar_t* stored;
        const wchar_t* game;
    } rows[] = {
        {L"Aion.bin", L"Aion.bin"},
        {L"C:\\windows\\system32\\notepad.exe", L"notepad.exe"},  // a path: its file name
        {L"Z:/usr/lib/wine/notepad.exe", L"notepad.exe"},
        {L"게임.exe", L"게임.exe"},
        {L"C:\\Games\\", L""}, {L"", L""},
        {L"Game?.exe", L""}, {L"a\"b.exe", L""}, {L"tab\t.exe", L""},  // no file has such a name
    };
    for (const auto& row : rows) EXPECT_EQ(GameProgramOf(row.stored), row.game) << row.stored;
}

TEST(PlayGuards, TheBarHidesOnlyWhileAnotherProgramThanTheGameOrOursIsInFront)
{
    const struct {
        bool chosen, gameNamed, paused;
        FrontWindow front;
        bool hidden;
    } rows[] = {
        {true, true, false, FrontWindow::Other, true},
        {true, true, false, FrontWindow::Game, false},
        {true, true, false, FrontWindow::Ours, false},  // the taskbar entry, the menu, the settings
        {true, true, true, FrontWindow::Other, false},  // paused: the bar says so
        {true, false, false, FrontWindow::Other, false},
        {false, true, false, FrontWindow::Other, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsBarHidden(row.chosen, row.gameNamed, row.paused, row.front), row.hidden) << &row - rows;
    }
}
