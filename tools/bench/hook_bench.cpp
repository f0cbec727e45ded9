// The keyboard and mouse hooks' own work per event, as Windows times it: each
// event handed straight to the callback, the way the system calls it. The
// system removes a hook that answers slowly (LowLevelHooksTimeout, at most a
// second since Windows 10 1709), so the worst case matters as much as the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/Triggers.h"
#include "play/TriggerHook.h"

namespace {

struct Figures {
    double median;
    double p99;
    double worst;
};

// Microseconds per call over `events` calls, the messages posted meanwhile taken away between calls.
template <typename Call>
Figures Measure(int events, HWND hWndTarget, Call call)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(events));
    MSG msg;
    for (int i = 0; i < events; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        call(i);
        ::QueryPerformanceCounter(&end);
        times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                        static_cast<double>(frequency.QuadPart));
        while (::PeekMessageW(&msg, hWndTarget, 0, 0, PM_REMOVE)) {
        }
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times[times.size() * 99 / 100], times.back()};
}

void Print(const char* what, const Figures& figures)
{
    std::printf("%-42s median %6.1f us, 99%% %6.1f us, worst %7.1f us\n", what, figures.median, figures.p99,
                figures.worst);
}

}  // namespace

int wmain()
{
    constexpr int kEvents = 20000;
    HWND hWndTarget = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SlotTriggers triggers = DefaultSlotTriggers();
    triggers.key[0] = MakeTrigger(VK_F5, kModControl);
    triggers.key[1] = kSideButton1;
    WatchTriggers(triggers);
    if (!SetTriggerHooks(hWndTarget)) {
        std::printf("the system refused the hooks\n");
        return 1;
    }

    KBDLLHOOKSTRUCT key{};
    // What every hook pays to hand the event on (under Wine a call to its server).
    Print("CallNextHookEx alone", Measure(kEvents, hWndTarget, [&](int) {
              ::CallNextHookEx(nullptr, HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&key));
          }));
    key.vkCode = 'A';  // no slot's: passed on unlooked at
    Print("a key no slot has", Measure(kEvents, hWndTarget, [&](int i) {
              key.time = static_cast<DWORD>(i);
              TriggerKeyProc(HC_ACTION, i % 2 ? WM_KEYUP : WM_KEYDOWN, reinterpret_cast<LPARAM>(&key));
          }));
    key.vkCode = VK_F5;  // a slot's: pressed, then released and posted to the bar
    Print("a slot's key, press and release", Measure(kEvents, hWndTarget, [&](int i) {
              key.time = static_cast<DWORD>(i);
              TriggerKeyProc(HC_ACTION, i % 2 ? WM_KEYUP : WM_KEYDOWN, reinterpret_cast<LPARAM>(&key));
          }));
    MSLLHOOKSTRUCT mouse{};
    mouse.pt = {640, 400};
    Print("a mouse move", Measure(kEvents, hWndTarget, [&](int i) {
              mouse.time = static_cast<DWORD>(i);
              TriggerMouseProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&mouse));
          }));
    mouse.mouseData = MAKELONG(0, XBUTTON1);
    Print("a slot's side button, press and release", Measure(kEvents, hWndTarget, [&](int i) {
              mouse.time = static_cast<DWORD>(i);
              TriggerMouseProc(HC_ACTION, i % 2 ? WM_XBUTTONUP : WM_XBUTTONDOWN, reinterpret_cast<LPARAM>(&mouse));
          }));
    SetTriggerHooks(nullptr);
    ::DestroyWindow(hWndTarget);
    return 0;
}
