// A slot after its effect, on the real bar and editor: its second look, a
// press refused while it cools, its ready cue; the editor's cooldown field.
#include "ProgramWindows.h"
#include "PixelBuffer.h"

#include "bar/BarLayout.h"
#include "common/AppSettings.h"
#include "editor/EditorLayout.h"
#include "play/AlertSounds.h"

namespace {

std::vector<AlertCue> g_played;

void RecordCue(const AlertCue& cue, std::int32_t)
{
    g_played.push_back(cue);
}

// The bar as it shows now.
struct BarPixels {
    PixelBuffer buffer{480, 100};
    BarPixels()
    {
        HWND bar = CProgramDialog::BarWindow();
        ::UpdateWindow(bar);
        HDC dc = ::GetDC(bar);
        ::BitBlt(buffer.dc(), 0, 0, 480, 100, dc, 0, 0, SRCCOPY);
        ::ReleaseDC(bar, dc);
    }
    // The darkest channel inside a rectangle (its frame left out).
    static HitRect Digits(int slot)
    {
        const HitRect& box = BarHitRects[kBarTimeBoxFirst + slot];
        return {box.left, BarHitRects[slot].bottom, box.right, box.bottom};  // below the icon's box
    }
    int Darkest(const HitRect& rect) const
    {
        int darkest = 255;
        for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
            for (int x = rect.left + 1; x < rect.right - 1; ++x) {
                const std::uint32_t rgb = buffer.At(x, y);
                darkest = std::min({darkest, int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)});
            }
        }
        return darkest;
    }
};

void Press(unsigned key)
{
    ::SendMessageW(CProgramDialog::BarWindow(), WM_KEYDOWN, key, 0);
    ::SendMessageW(CProgramDialog::BarWindow(), WM_KEYUP, key, 0);
}

}  // namespace

class Cooldown : public ProgramWindows {
protected:
    void SetUp() override
    {
        ProgramWindows::SetUp();
        SetAlertPlayer(RecordCue);
        g_played.clear();
    }
    void TearDown() override
    {
        SetAlertPlayer(nullptr);
        StoreTriggers(DefaultSlotTriggers());
        ProgramWindows::TearDown();
    }
};

TEST_F(Cooldown, ASlotNotReadyIsGreyedRefusesAPressWithOneFlashAndIsReadyWithTheTick)
{
    const std::int32_t now = CurrentSlotTime();
    TimerSlot& slot = g_timerSlots[0];
    slot.duration = 60;
    slot.cooldown = 300;
    ToggleTimerSlot(0, now - 61);  // its effect ended a second ago
    const int idleDigits = BarPixels().Darkest(BarPixels::Digits(1));
    ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
    ASSERT_EQ(slot.state, Cooling);
    EXPECT_EQ(slot.remaining, 300 - 61);
    const BarPixels cooling;
    EXPECT_EQ(idleDigits, 0) << "an idle slot's time is black";
    EXPECT_EQ(cooling.Darkest(BarPixels::Digits(0)), 128) << "a cooling slot's grey";
    EXPECT_GE(cooling.Darkest(BarHitRects[0]), 127) << "its icon faded toward the box's white";
    EXPECT_LT(cooling.Darkest(BarHitRects[1]), 100) << "another's as drawn";

    // Refused: the box flashes red once, and nothing starts.
    const HitRect& box = BarHitRects[0];
    Press('1');
    EXPECT_EQ(slot.state, Cooling);
    EXPECT_EQ(BarPixels().buffer.At(box.left + 1, box.top + 1), 0xFF0000u);
    const DWORD start = ::GetTickCount();
    while (BarPixels().buffer.At(box.left + 1, box.top + 1) != 0xFFFFFFu && ::GetTickCount() - start < 5000) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::Sleep(10);
    }
    EXPECT_EQ(BarPixels().buffer.At(box.left + 1, box.top + 1), 0xFFFFFFu) << "the flash ends by itself";
    EXPECT_TRUE(g_played.empty()) << "a refused press makes no sound";

    // With "restart" as its second press it starts again, cooldown or not.
    SlotTriggers triggers = DefaultSlotTriggers();
    triggers.press[0] = SecondPress::Restart;
    StoreTriggers(triggers);
    Press('1');
    EXPECT_EQ(std::make_pair(slot.state, slot.remaining), std::make_pair(std::int32_t{Running}, 60));

    // Ready at the cooldown's end: the tick, and its idle look again.
    slot.state = Cooling;
    slot.remaining = 1;
    slot.lastTick = CurrentSlotTime() - 1;
    ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
    EXPECT_EQ(slot.state, Idle);
    EXPECT_EQ(g_played, (std::vector<AlertCue>{{AlertCue::Tick, EndSound::None}}));
    EXPECT_EQ(BarPixels().Darkest(BarPixels::Digits(0)), 0);
}

TEST_F(Cooldown, TheEditorSetsItLikeTheDurationAndStoresItOnlyWhereItIsSet)
{
    const auto click = [](int place) {
        const HitRect& rect = EditorPlaceRect(place);
        Mouse(Editor(), WM_LBUTTONDOWN, rect.left + 5, rect.top + 5);
        Mouse(Editor(), WM_LBUTTONUP, rect.left + 5, rect.top + 5);
    };
    const std::int32_t duration = g_timerSlots[2].duration;
    OpenEditor(2);
    click(CooldownMinuteUp);
    click(CooldownMinuteUp);
    const RECT window = WindowRect(Editor());
    const HitRect& seconds = EditorPlaceRect(CooldownSecondDigits);
    ::SendMessageW(Editor(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                   MAKELPARAM(window.left + seconds.left + 5, window.top + seconds.top + 5));
    click(OkButton);
    EXPECT_EQ(g_timerSlots[2].cooldown, 2 * 60 + 59) << "two minutes up, the seconds wrapped down";
    EXPECT_EQ(g_timerSlots[2].duration, duration);
    EXPECT_EQ(AppProfile().GetInt("Save", "Cooldown#2", -1), 179);

    // A slot never given one stores none; one taken back to none stores 0.
    OpenEditor(3);
    click(OkButton);
    EXPECT_EQ(AppProfile().GetInt("Save", "Cooldown#3", -1), -1);
    OpenEditor(2);
    click(CooldownMinuteDown);
    click(CooldownMinuteDown);
    click(CooldownSecondUp);
    click(OkButton);
    EXPECT_EQ(AppProfile().GetInt("Save", "Cooldown#2", -1), 0);
}
