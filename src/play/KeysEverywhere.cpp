#include "play/KeysEverywhere.h"

#include <wtsapi32.h>

#include "common/AppSettings.h"
#include "framework/LateLibrary.h"
#include "model/KeysLight.h"
#include "model/TimerSlots.h"
#include "play/TriggerHook.h"

namespace {

HWND g_hWndBar = nullptr;
bool g_bSessionWatched = false;
RecentCount g_reinstalls;  // the watch's, for the light after the bar's title

// wtsapi32 is loaded only for a player who turned the hooks on.
bool WatchSessionOfWindow(HWND hWnd, bool watch)
{
    static CLateLibrary wtsapi(L"wtsapi32.dll");
    using Register = BOOL WINAPI(HWND, DWORD);
    using Unregister = BOOL WINAPI(HWND);
    if (watch) {
        auto* registerFn = wtsapi.Get<Register>("WTSRegisterSessionNotification");
        return registerFn && registerFn(hWnd, NOTIFY_FOR_THIS_SESSION);
    }
    auto* unregisterFn = wtsapi.Get<Unregister>("WTSUnRegisterSessionNotification");
    return unregisterFn && unregisterFn(hWnd);
}

SessionWatcher* g_watchSession = WatchSessionOfWindow;

bool IsChosen()
{
    return g_hWndBar && IsOptionChosen(TriggersEverywhere);
}

// Asked for until the system grants it.
void WatchSessionIfChosen()
{
    if (IsChosen() && !g_bSessionWatched) g_bSessionWatched = g_watchSession(g_hWndBar, true);
}

// The hooks in as the player chose them; the menu shows what took.
void ApplyChoice()
{
    MarkOptionApplied(TriggersEverywhere, IsChosen() && SetTriggerHooks(g_hWndBar));
    WatchSessionIfChosen();
}

}  // namespace

void StartKeysEverywhere(HWND hWndBar)
{
    g_hWndBar = hWndBar;
    FollowStoredTriggers();
    ApplyChoice();
}

void StopKeysEverywhere()
{
    SetTriggerHooks(nullptr);
    if (g_bSessionWatched) g_watchSession(g_hWndBar, false);
    g_bSessionWatched = false;
    g_hWndBar = nullptr;
}

void RenewKeysEverywhere()
{
    if (IsChosen()) ApplyChoice();
}

bool SwitchKeysEverywhere(bool on)
{
    if (!SetTriggerHooks(on ? g_hWndBar : nullptr) || (on && !g_hWndBar)) return false;
    StoreOption(TriggersEverywhere, on);
    WatchSessionIfChosen();
    return true;
}

void FollowStoredTriggers()
{
    WatchTriggers(CurrentTriggers());
}

void CheckKeysEverywhere()
{
    if (!IsChosen()) return;
    WatchSessionIfChosen();
    const HookHealth health = WatchTriggerHooks();
    if (health == HookHealth::Reinstalled || health == HookHealth::Refused) g_reinstalls.Add(CurrentSlotTime());
    if (health == HookHealth::Refused) MarkOptionApplied(TriggersEverywhere, false);
}

int HookReinstallsLately()
{
    return g_reinstalls.Within(CurrentSlotTime(), kReinstallSpanSeconds);
}

void SuspendKeysEverywhere(bool suspend)
{
    if (suspend) {
        SetTriggerHooks(nullptr);
    } else if (IsOptionOn(TriggersEverywhere)) {
        ApplyChoice();
    }
}

void SetSessionWatcher(SessionWatcher* watcher)
{
    g_watchSession = watcher ? watcher : WatchSessionOfWindow;
}
