#include "play/FrontWatch.h"

namespace {

HWINEVENTHOOK g_hFrontHook = nullptr;
HWND g_hWndWatcher = nullptr;

void CALLBACK FrontChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    if (g_hWndWatcher) ::PostMessageW(g_hWndWatcher, kFrontChangedMessage, 0, 0);
}

}  // namespace

bool WatchFront(HWND hWnd, bool watch)
{
    if (!watch) {
        if (g_hFrontHook) ::UnhookWinEvent(g_hFrontHook);
        g_hFrontHook = nullptr;
        g_hWndWatcher = nullptr;
        return true;
    }
    g_hWndWatcher = hWnd;
    if (!g_hFrontHook) {
        g_hFrontHook = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, FrontChanged, 0, 0,
                                         WINEVENT_OUTOFCONTEXT);
    }
    return g_hFrontHook != nullptr;
}
