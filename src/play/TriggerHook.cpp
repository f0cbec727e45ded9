#include "play/TriggerHook.h"

#include <algorithm>
#include <iterator>

#include "framework/Trace.h"
#include "model/PlayGuards.h"

namespace {

HHOOK g_hKeyHook = nullptr;
HHOOK g_hMouseHook = nullptr;
HWND g_hWndTarget = nullptr;
HookInstaller* g_install = ::SetWindowsHookExW;
KeyStateReader* g_readKey = ::GetAsyncKeyState;
// The keys and buttons some slot has as its trigger; the rest pass unlooked at.
bool g_watched[256] = {};
bool g_anyMouseTrigger = false;
KeyPresses g_presses;
// Every key as the keyboard hook last saw it, for the watch on the hook.
bool g_hookDown[HookWatch::kKeyCount] = {};
HookWatch g_watch;
// The modifier keys held, as the keyboard hook saw them go down and up: no
// call to the system for them while an event waits.
unsigned g_heldSides = 0;  // one bit per key: left and right Shift, Ctrl, Alt, Windows

unsigned SideBit(unsigned key)
{
    switch (key) {
    case VK_LSHIFT: case VK_SHIFT: return 1u << 0;
    case VK_RSHIFT: return 1u << 1;
    case VK_LCONTROL: case VK_CONTROL: return 1u << 2;
    case VK_RCONTROL: return 1u << 3;
    case VK_LMENU: case VK_MENU: return 1u << 4;
    case VK_RMENU: return 1u << 5;
    case VK_LWIN: return 1u << 6;
    case VK_RWIN: return 1u << 7;
    default: return 0;
    }
}

unsigned HookedModifiers()
{
    return (g_heldSides & 0x03 ? kModShift : 0) | (g_heldSides & 0x0C ? kModControl : 0) |
           (g_heldSides & 0x30 ? kModAlt : 0) | (g_heldSides & 0xC0 ? kModWin : 0);
}

// The events carry no repeat flag: a press of a key held counts as its
// repeat only as soon after the last as the keyboard repeats.
void Press(unsigned key, bool down, DWORD time)
{
    if (down) {
        g_presses.Down(key, HookedModifiers(), time, g_presses.IsRepeat(key, time));
        return;
    }
    const KeyPresses::Release release = g_presses.Up(key, HookedModifiers(), time);
    ::PostMessageW(g_hWndTarget, kTriggerReleasedMessage, release.trigger, release.heldMs);
}

// The keys the system holds down now.
void SweepKeyboard(bool (&down)[HookWatch::kKeyCount])
{
    for (int key = 0; key < HookWatch::kKeyCount; ++key) down[key] = (g_readKey(key) & 0x8000) != 0;
}

void Unhook(HHOOK& hHook)
{
    if (hHook) ::UnhookWindowsHookEx(hHook);
    hHook = nullptr;
}

// The mouse hook follows the triggers; a refused one leaves the keys working.
void FollowMouseTriggers()
{
    const bool wanted = g_hKeyHook && g_anyMouseTrigger;
    if (wanted == (g_hMouseHook != nullptr)) return;
    if (!wanted) {
        Unhook(g_hMouseHook);
        return;
    }
    g_hMouseHook = g_install(WH_MOUSE_LL, TriggerMouseProc, ::GetModuleHandleW(nullptr), 0);
    TRACE(g_hMouseHook ? std::wstring(L"mouse hook installed")
                       : L"mouse hook refused, error " + std::to_wstring(::GetLastError()));
}

// The one installation: the hooks out, then in afresh. What is held as the
// hook goes in it will never see go down, and a press whose release fell
// in the gap is forgotten.
bool Install()
{
    Unhook(g_hMouseHook);
    Unhook(g_hKeyHook);
    SweepKeyboard(g_hookDown);
    g_heldSides = 0;
    for (int key = 0; key < HookWatch::kKeyCount; ++key) {
        if (g_hookDown[key]) g_heldSides |= SideBit(static_cast<unsigned>(key));
    }
    g_presses.Forget();
    g_watch.Installed();
    g_hKeyHook = g_install(WH_KEYBOARD_LL, TriggerKeyProc, ::GetModuleHandleW(nullptr), 0);
    TRACE(g_hKeyHook ? std::wstring(L"keyboard hook installed")
                     : L"keyboard hook refused, error " + std::to_wstring(::GetLastError()));
    if (!g_hKeyHook) g_hWndTarget = nullptr;  // refused: nothing to post to
    FollowMouseTriggers();
    return g_hKeyHook != nullptr;
}

}  // namespace

LRESULT CALLBACK TriggerKeyProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        if (event->vkCode < HookWatch::kKeyCount) g_hookDown[event->vkCode] = down;
        if (const unsigned side = SideBit(event->vkCode)) g_heldSides = down ? g_heldSides | side : g_heldSides & ~side;
        if (event->vkCode < 256 && g_watched[event->vkCode]) Press(event->vkCode, down, event->time);
    }
    return ::CallNextHookEx(g_hKeyHook, nCode, wParam, lParam);
}

LRESULT CALLBACK TriggerMouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        unsigned key = 0;
        bool down = false;
        switch (wParam) {
        case WM_MBUTTONDOWN: down = true; [[fallthrough]];
        case WM_MBUTTONUP: key = kMiddleButton; break;
        case WM_XBUTTONDOWN: down = true; [[fallthrough]];
        case WM_XBUTTONUP: key = SideButtonKey(HIWORD(event->mouseData)); break;
        default: break;
        }
        if (key != 0 && g_watched[key]) Press(key, down, event->time);
    }
    return ::CallNextHookEx(g_hMouseHook, nCode, wParam, lParam);
}

bool SetTriggerHooks(HWND hWndTarget)
{
    g_hWndTarget = hWndTarget;
    if (hWndTarget) return Install();
    Unhook(g_hMouseHook);
    Unhook(g_hKeyHook);
    return true;
}

bool HooksSee(unsigned key)
{
    if (!g_hKeyHook) return false;
    return IsMouseTrigger(key) ? g_hMouseHook != nullptr : true;
}

void WatchTriggers(const SlotTriggers& triggers)
{
    for (bool& watched : g_watched) watched = false;
    g_anyMouseTrigger = false;
    Trigger all[kTimerSlotCount + 3];
    std::copy(std::begin(triggers.key), std::end(triggers.key), all);
    all[kPauseHolder] = triggers.pause;
    all[kNextSetHolder] = triggers.nextSet;
    all[kReadAllHolder] = triggers.readAll;
    for (Trigger trigger : all) {
        if (trigger == kNoTrigger || TriggerKey(trigger) > 0xFF) continue;
        g_watched[TriggerKey(trigger)] = true;
        g_anyMouseTrigger |= IsMouseTrigger(trigger);
    }
    FollowMouseTriggers();
}

void SetHookInstaller(HookInstaller* install)
{
    g_install = install ? install : ::SetWindowsHookExW;
}

void SetKeyStateReader(KeyStateReader* read)
{
    g_readKey = read ? read : ::GetAsyncKeyState;
}

HookHealth WatchTriggerHooks()
{
    if (!g_hKeyHook) return HookHealth::Out;
    bool systemDown[HookWatch::kKeyCount];
    SweepKeyboard(systemDown);
    if (!g_watch.Check(systemDown, g_hookDown)) return HookHealth::Healthy;
    TRACE(L"keyboard hook gone: installed again");
    return Install() ? HookHealth::Reinstalled : HookHealth::Refused;
}
