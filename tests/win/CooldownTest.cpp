// A slot after its effect, on the real bar and editor: its second look, a
// press refused while it cools; the editor's cooldown field.
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

// The darkest channel inside a rectangle of the bar as it shows now (its frame left out).
int Darkest(const HitRect& rect)
{
    PixelBuffer bar(480, 100);
    CaptureClient(CProgramDialog::BarWindow(), bar);
    int darkest = 255;
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        for (int x = rect.left + 1; x < rect.right - 1; ++x) {
            for (int shift : {0, 8, 16}) darkest = std::min(darkest, int(bar.At(x, y) >> shift & 0xFF));
        }
    }
    return darkest;
}

// A slot's digits, below its icon's box.
HitRect Digits(int slot)
{
    const HitRect& box = BarHitRects[kBarTimeBoxFirst + slot];
    return {box.left, BarHitRects[slot].bottom, box.right, box.bottom};
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

TEST_F(Cooldown, ASlotNotReadyIsGreyedAndRefusesAPressWithOneFlash)
{
    const std::int32_t now = CurrentSlotTime();
    TimerSlot& slot = g_timerSlots[0];
    slot.duration = 60;
    slot.cooldown = 300;
    ToggleTimerSlot(0, now - 61);  // its effect ended a second ago
    ::SendMessageW(Bar(), WM_TIMER, BarTimerId, 0);
    ASSERT_EQ(slot.state, Cooling);
    EXPECT_EQ(std::make_pair(Darkest(Digits(0)), Darkest(Digits(1))), std::make_pair(128, 0))
        << "its time grey, an idle slot's black";
    EXPECT_GE(Darkest(BarHitRects[0]), 127) << "its icon faded toward the box's white";
    EXPECT_LT(Darkest(BarHitRects[1]), 100) << "another's as drawn";

    // Refused: the box flashes red once (its red the darkest blue), and nothing starts.
    ::SendMessageW(Bar(), WM_KEYDOWN, '1', 0);
    ::SendMessageW(Bar(), WM_KEYUP, '1', 0);
    EXPECT_EQ(slot.state, Cooling);
    const HitRect corner{BarHitRects[0].left, BarHitRects[0].top, BarHitRects[0].left + 3, BarHitRects[0].top + 3};
    EXPECT_EQ(Darkest(corner), 0);
    const DWORD start = ::GetTickCount();
    for (MSG msg; Darkest(corner) != 255 && ::GetTickCount() - start < 5000; ::Sleep(10)) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    }
    EXPECT_EQ(Darkest(corner), 255) << "the flash ends by itself";
    EXPECT_TRUE(g_played.empty()) << "a refused press makes no sound";
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

    // A slot never given one stores none.
    OpenEditor(3);
    click(OkButton);
    EXPECT_EQ(AppProfile().GetInt("Save", "Cooldown#3", -1), -1);
}
