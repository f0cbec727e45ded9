#include "play/PlaySettings.h"

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"
#include "play/TriggerHook.h"

void StartDigitKeys(HWND hWndBar)
{
    WatchTriggers(CurrentTriggers());
    if (IsOptionOn(GlobalDigitKeys) && !SetTriggerHooks(hWndBar)) HoldOptionOff(GlobalDigitKeys);
}

void RenewDigitKeys()
{
    if (IsOptionOn(GlobalDigitKeys) && !RenewTriggerHooks()) HoldOptionOff(GlobalDigitKeys);
}

bool SwitchDigitKeys(bool on)
{
    if (!SetTriggerHooks(on ? CProgramDialog::BarWindow() : nullptr)) return false;
    StoreOption(GlobalDigitKeys, on);
    return true;
}

void FollowStoredTriggers()
{
    WatchTriggers(CurrentTriggers());
}
