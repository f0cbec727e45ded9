// The settings window's key page, driven inside the real sheet: what it
// takes and refuses, what OK stores and applies at once, and that Cancel or
// a close stores nothing.
#include "ProgramWindows.h"
#include "SettingsDriver.h"

#include <commctrl.h>

#include <functional>
#include <vector>

#include "common/AppSettings.h"
#include "play/KeysEverywhere.h"
#include "play/Speech.h"
#include "play/TriggerHook.h"
#include "sets/Sets.h"
#include "settings/SettingsWindow.h"

namespace {

constexpr int kPauseRow = kTimerSlotCount;

std::vector<std::wstring> g_said;

bool RecordSpeech(const std::wstring& text, const std::vector<std::uint16_t>&, std::int32_t)
{
    g_said.push_back(text);
    return true;
}

// Steps run one after another by the sheet's own loop, each once the
// messages the one before posted have gone through it.
std::vector<std::function<void()>> g_loopSteps;

void CALLBACK NextLoopStep(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    if (g_loopSteps.empty()) return;
    const std::function<void()> step = g_loopSteps.front();
    g_loopSteps.erase(g_loopSteps.begin());
    step();
    // A timer fires only once no posted message waits.
    if (!g_loopSteps.empty()) ::SetTimer(nullptr, 0, 1, NextLoopStep);
}

void RunInLoop(std::vector<std::function<void()>> steps)
{
    g_loopSteps = std::move(steps);
    ::SetTimer(nullptr, 0, 1, NextLoopStep);
}

// A key as the keyboard delivers it with Alt held: into the thread's queue,
// through the sheet's loop (which translates it and looks for mnemonics).
void PostAltKey(HWND hWnd, unsigned key, bool down)
{
    BYTE state[256] = {};
    state[VK_MENU] = state[VK_LMENU] = down ? 0x80 : 0;
    if (down) ::SetKeyboardState(state);
    const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM altHeld = 1 << 29;
    ::PostMessageW(hWnd, down ? WM_SYSKEYDOWN : WM_SYSKEYUP, key, 1 | scan | altHeld | (down ? 0 : 0xC0000000));
}

// A key pressed and let go in the game, as the keyboard hook hands it on,
// and the bar's messages handled.
void PressInGame(unsigned key)
{
    KBDLLHOOKSTRUCT event{};
    event.vkCode = key;
    TriggerKeyProc(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&event));
    event.flags = LLKHF_UP;
    TriggerKeyProc(HC_ACTION, WM_KEYUP, reinterpret_cast<LPARAM>(&event));
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

}  // namespace

class KeyPage : public ProgramWindows {
protected:
    void SeedRegistry() override
    {
        AfxGetApp()->WriteProfileInt(L"Option", L"PauseKey", VK_F8);
        AfxGetApp()->WriteProfileString(L"Option", L"GameProgram", L"게임.exe");
        LoadOptions();
    }
    void TearDown() override
    {
        ProgramWindows::TearDown();
        LoadOptions();
    }
};

TEST_F(KeyPage, ATakenKeyIsRefusedNamingItsHolderAndAFreeOneIsStoredOnOk)
{
    const struct {
        int row;
        unsigned key;
        const wchar_t* box;  // null: taken
    } rows[] = {
        {0, '2', L"2 키는 이미 2번 슬롯의 키입니다. 먼저 그 슬롯의 키를 바꾸십시오."},
        {kPauseRow, '5', L"5 키는 이미 5번 슬롯의 키입니다. 먼저 그 슬롯의 키를 바꾸십시오."},
        {0, VK_F8, L"F8 키는 이미 멈춤 키입니다. 먼저 멈춤 키를 바꾸십시오."},
        {3, VK_F7, nullptr},
        {kPauseRow, VK_F9, nullptr},
    };
    const SettingsRun run = RunSettings(Bar(), [&rows](HWND sheet, HWND page) {
        for (const auto& row : rows) {
            SelectRow(page, IDC_SLOT_LIST, row.row);
            CatchKey(page, row.key);
        }
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(run.result, IDOK);
    std::vector<std::wstring> expected;
    for (const auto& row : rows) {
        if (row.box) expected.push_back(row.box);
    }
    EXPECT_EQ(run.boxes, expected);
    EXPECT_EQ(Stored("Key#0"), '1') << "refused: it stays";
    EXPECT_EQ(Stored("Key#3"), VK_F7);
    EXPECT_EQ(Stored("PauseKey"), VK_F9);
}

TEST_F(KeyPage, OkStoresTheSecondPressTheLockoutAndTheGameAndTheHooksFollowAtOnce)
{
    ASSERT_TRUE(SwitchKeysEverywhere(true));
    const SettingsRun run = RunSettings(Bar(), [](HWND sheet, HWND page) {
        SelectRow(page, IDC_SLOT_LIST, 4);
        ChooseInCombo(page, IDC_SECOND_PRESS, 1);  // 다시 시작
        SelectRow(page, IDC_SLOT_LIST, 6);
        CatchKey(page, VK_F6);
        ::SetDlgItemTextW(page, IDC_LOCKOUT, L"2500");  // beyond the longest: the longest
        ChooseInCombo(page, IDC_GAME_PROGRAM, 0);       // any program
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(Stored("Press#4"), 1);
    EXPECT_EQ(Stored("Press#6"), 0);
    EXPECT_EQ(Stored("Key#6"), VK_F6);
    EXPECT_EQ(Stored("KeyLockout"), kLongestLockoutMs);
    EXPECT_EQ(AfxGetApp()->GetProfileString(L"Option", L"GameProgram", L"?"), L"");
    EXPECT_EQ(CurrentTriggers().press[4], SecondPress::Restart) << "applied at once";
    EXPECT_TRUE(HooksSee(VK_F6));
    // The hook looks out for the new key: its release reaches the bar and starts slot 7.
    PressInGame(VK_F6);
    EXPECT_EQ(g_timerSlots[6].state, Running);
    SwitchKeysEverywhere(false);
}

TEST_F(KeyPage, EachProgramValueChangedAloneIsStoredAndTheOthersKept)
{
    const struct {
        const char* what;
        std::function<void(HWND)> change;
        int pause, nextSet, lockout, readAll;  // as stored after OK
    } rows[] = {
        {"the pause key", [](HWND page) { SelectRow(page, IDC_SLOT_LIST, kPauseRow); CatchKey(page, VK_F9); }, VK_F9,
         VK_F10, 300, 0},
        {"the next-set key", [](HWND page) { SelectRow(page, IDC_SLOT_LIST, kPauseRow + 1); CatchKey(page, VK_F11); },
         VK_F8, VK_F11, 300, 0},
        {"the lockout", [](HWND page) { ::SetDlgItemTextW(page, IDC_LOCKOUT, L"500"); }, VK_F8, VK_F10, 500, 0},
        {"the read-all key", [](HWND page) { SelectRow(page, IDC_SLOT_LIST, kPauseRow + 2); CatchKey(page, VK_F7); },
         VK_F8, VK_F10, 300, VK_F7},
    };
    for (const auto& row : rows) {
        AfxGetApp()->WriteProfileInt(L"Option", L"PauseKey", VK_F8);
        AfxGetApp()->WriteProfileInt(L"Option", L"NextSetKey", VK_F10);
        AfxGetApp()->WriteProfileInt(L"Option", L"KeyLockout", 300);
        AfxGetApp()->WriteProfileInt(L"Option", L"ReadAllKey", 0);
        LoadOptions();
        RunSettings(Bar(), [&row](HWND sheet, HWND page) {
            row.change(page);
            Press(sheet, PSBTN_OK);
        });
        EXPECT_EQ(Stored("PauseKey"), row.pause) << row.what;
        EXPECT_EQ(Stored("NextSetKey"), row.nextSet) << row.what;
        EXPECT_EQ(Stored("KeyLockout"), row.lockout) << row.what;
        EXPECT_EQ(Stored("ReadAllKey"), row.readAll) << row.what;
        EXPECT_EQ(CurrentTriggers().nextSet, static_cast<Trigger>(row.nextSet)) << row.what << ": applied at once";
    }
    // The hooks follow at once: the new next-set key, pressed in the game, shows the next set.
    ASSERT_TRUE(SwitchKeysEverywhere(true));
    ASSERT_TRUE(NewSet(ShownSetId(), L"B"));
    RunSettings(Bar(), [&rows](HWND sheet, HWND page) {
        rows[1].change(page);
        Press(sheet, PSBTN_OK);
    });
    PressInGame(VK_F11);
    EXPECT_EQ(ShownSetName(), L"기본");
    // The read-all key, pressed in the game, says the running slots, shortest first.
    RunSettings(Bar(), [&rows](HWND sheet, HWND page) {
        rows[3].change(page);
        Press(sheet, PSBTN_OK);
    });
    SetSpeaker(RecordSpeech);
    const std::int32_t now = CurrentSlotTime();
    g_timerSlots[6] = TimerSlot{0, 300, 600, Running, now, ""};
    g_timerSlots[2] = TimerSlot{0, 42, 600, Running, now, "Mana"};
    PressInGame(VK_F7);
    SetSpeaker(nullptr);
    TakeRunning();
    EXPECT_EQ(g_said, std::vector<std::wstring>{L"Mana 0:00:42, 7번 0:05:00"});
    SwitchKeysEverywhere(false);
}

TEST_F(KeyPage, CancelACloseAndAnOkWithoutChangesStoreNothing)
{
    const DWORD before = StoredValueCount();
    const auto change = [](HWND page) {
        SelectRow(page, IDC_SLOT_LIST, 0);
        CatchKey(page, VK_F7);
        ChooseInCombo(page, IDC_SECOND_PRESS, 1);
        ChooseInCombo(page, IDC_GAME_PROGRAM, 0);
    };
    EXPECT_EQ(RunSettings(Bar(), [&](HWND sheet, HWND page) { change(page); Press(sheet, PSBTN_CANCEL); }).result,
              IDCANCEL);
    EXPECT_EQ(RunSettings(Bar(), [&](HWND, HWND page) { change(page); CancelSettings(); }).result, IDCANCEL)
        << "the program ending meanwhile";
    EXPECT_EQ(RunSettings(Bar(), [](HWND sheet, HWND) { Press(sheet, PSBTN_OK); }).result, IDOK);
    EXPECT_EQ(StoredValueCount(), before);
    EXPECT_EQ(GameProgram(), L"게임.exe");
    EXPECT_EQ(CurrentTriggers().key[0], DefaultTrigger(0));
}

TEST_F(KeyPage, AltWithAPagesMnemonicLetterIsCaughtAsTheKeyAndPressesNothing)
{
    // "기본값(&D)" and "바꾸기(&C)": the letters of the page's own buttons.
    for (const unsigned letter : {'D', 'C'}) {
        const SettingsRun run = RunSettings(Bar(), [letter](HWND sheet, HWND page) {
            SelectRow(page, IDC_SLOT_LIST, 0);
            ClickButton(page, IDC_CHANGE_KEY);
            HWND hWndCatcher = ::GetDlgItem(page, IDC_KEY_PROMPT);
            RunInLoop({[=] { PostAltKey(hWndCatcher, letter, true); },
                       [=] { PostAltKey(hWndCatcher, letter, false); },
                       [=] {
                           const BYTE none[256] = {};
                           ::SetKeyboardState(const_cast<BYTE*>(none));
                           Press(sheet, PSBTN_OK);
                       }});
        });
        EXPECT_EQ(run.result, IDOK);
        EXPECT_EQ(Stored("Key#0"), static_cast<int>(MakeTrigger(letter, kModAlt))) << static_cast<char>(letter);
    }
}
