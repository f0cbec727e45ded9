// What a screen reader is told by the bar: a win-event for each slot whose
// phase changes (never at a plain second), the words of a warning or an end,
// and every name again when another set shows.
#include "ProgramWindows.h"

#include "access/Announce.h"
#include "common/AppSettings.h"
#include "framework/CodePage.h"

namespace {

std::vector<std::pair<DWORD, LONG>> g_events;  // (event, child) on the bar's client area
std::vector<std::wstring> g_announced;

void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG object, LONG child, DWORD, DWORD)
{
    if (hWnd == CProgramDialog::BarWindow() && object == OBJID_CLIENT && event != EVENT_OBJECT_LOCATIONCHANGE) {
        g_events.emplace_back(event, child);
    }
}

bool RecordAnnouncement(HWND, const std::wstring& text)
{
    g_announced.push_back(text);
    return true;
}

// The events heard up to and including `last`, which the bar sends after the others.
std::vector<std::pair<DWORD, LONG>> HeardUpTo(std::pair<DWORD, LONG> last)
{
    const DWORD start = ::GetTickCount();
    MSG msg;
    while (std::find(g_events.begin(), g_events.end(), last) == g_events.end() && ::GetTickCount() - start < 5000) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(5);
    }
    std::vector<std::pair<DWORD, LONG>> heard;
    heard.swap(g_events);
    return heard;
}

}  // namespace

class BarReader : public ProgramWindows {
protected:
    void SetUp() override
    {
        ProgramWindows::SetUp();
        m_hook = ::SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, Heard,
                                   ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        SetAnnouncer(RecordAnnouncement);
        g_events.clear();
        g_announced.clear();
    }
    void TearDown() override
    {
        ::UnhookWinEvent(m_hook);
        SetAnnouncer(nullptr);
        ProgramWindows::TearDown();
    }
    HWINEVENTHOOK m_hook = nullptr;
};

TEST_F(BarReader, IsToldOfEachStartWarningAndEndNeverOfAPlainSecond)
{
    constexpr auto kValue = EVENT_OBJECT_VALUECHANGE;
    const std::int32_t now = CurrentSlotTime();
    g_timerSlots[0] = TimerSlot{0, 63, 600, Running, now - 1, ""};
    const auto press = [](unsigned key) {
        ::SendMessageW(Bar(), WM_KEYDOWN, key, 0);
        ::SendMessageW(Bar(), WM_KEYUP, key, 0);
    };
    press('9');  // the first change the bar sees: slot 1's run, slot 9's start
    EXPECT_EQ(HeardUpTo({kValue, 9}), (std::vector<std::pair<DWORD, LONG>>{{kValue, 1}, {kValue, 9}}));

    ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);  // slot 1 at 62: a plain second
    press('5');
    EXPECT_EQ(HeardUpTo({kValue, 5}), (std::vector<std::pair<DWORD, LONG>>{{kValue, 5}}));

    // Slot 1 turns red and slot 5 ends in one tick: both told, and their words announced.
    g_timerSlots[0].lastTick = CurrentSlotTime() - 2;
    g_timerSlots[0].remaining = 61;
    g_timerSlots[4].lastTick = CurrentSlotTime() - 2;
    g_timerSlots[4].remaining = 1;
    ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
    EXPECT_EQ(HeardUpTo({kValue, 5}), (std::vector<std::pair<DWORD, LONG>>{{kValue, 1}, {kValue, 5}}));
    EXPECT_EQ(g_announced, std::vector<std::wstring>{L"1번 1분, 5번"});

    // Another set: every slot's name (and the title's) may differ.
    ASSERT_TRUE(NewSet(ShownSetId(), L"B"));
    const auto heard = HeardUpTo({EVENT_OBJECT_NAMECHANGE, 10});
    EXPECT_EQ(std::count(heard.begin(), heard.end(), std::make_pair(DWORD{EVENT_OBJECT_NAMECHANGE}, 3L)), 1);
    EXPECT_TRUE(g_announced.size() == 1) << "a switch announces nothing";
    TakeRunning();
}
