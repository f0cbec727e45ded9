#include "play/PlaySettings.h"

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"
#include "common/SkinnedDialog.h"
#include "model/SlotEnds.h"
#include "model/TimerSlots.h"
#include "play/DigitKeyHook.h"

namespace {

bool g_playOptions[kPlayOptionCount] = {};

}  // namespace

void LoadPlaySettings()
{
    for (int i = 0; i < kPlayOptionCount; ++i) {
        g_playOptions[i] = ReadPlayOption(AppProfile(), static_cast<PlayOption>(i));
    }
    CSkinnedDialog::SetDoubleSize(g_playOptions[DoubleSize]);
    if (g_playOptions[KeepRunning]) RestoreSlotEnds(AppProfile(), g_timerSlots, CurrentSlotTime());
}

bool IsPlayOptionOn(PlayOption option)
{
    return option >= 0 && option < kPlayOptionCount && g_playOptions[option];
}

void StartDigitKeys(HWND hWndBar)
{
    if (g_playOptions[GlobalDigitKeys] && !SetDigitKeyHook(hWndBar)) g_playOptions[GlobalDigitKeys] = false;
}

void RenewDigitKeys()
{
    if (g_playOptions[GlobalDigitKeys] && !RenewDigitKeyHook()) g_playOptions[GlobalDigitKeys] = false;
}

void SwitchPlayOption(PlayOption option)
{
    if (option < 0 || option >= kPlayOptionCount) return;
    const bool on = !g_playOptions[option];
    if (option == GlobalDigitKeys && !SetDigitKeyHook(on ? CProgramDialog::BarWindow() : nullptr)) return;
    g_playOptions[option] = on;
    WritePlayOption(AppProfile(), option, on);
    switch (option) {
    case DoubleSize:
        CSkinnedDialog::SetDoubleSize(on);
        break;
    case KeepRunning:
        // From now on the ends are kept; turned off, none is left behind.
        if (on) {
            KeepSlotEnds();
        } else {
            ClearSlotEnds(AppProfile());
        }
        break;
    default:
        break;
    }
}

void KeepSlotEnd(int index)
{
    if (g_playOptions[KeepRunning] && index >= 0 && index < kTimerSlotCount) {
        SaveSlotEnd(AppProfile(), g_timerSlots, index);
    }
}

void KeepSlotEnds()
{
    if (g_playOptions[KeepRunning]) SaveSlotEnds(AppProfile(), g_timerSlots);
}
