// Skin costs under the real GDI: building each skin's region, and one frame
// of each window (the window's own paint: composed off-screen and copied to
// the window). Medians in microseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>
#include <vector>

#include "bar/TimerBarDlg.h"
#include "editor/TimerEditDlg.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "model/TimerSlots.h"
#include "res/resource.h"
#include "skin/Region.h"
#include "bench_support.h"

namespace {

BenchApp theBenchApp;

// The same paint with nothing composed: the ready frame copied to the window.
HDC g_hReadyDC = nullptr;

LRESULT CALLBACK ReadyFrameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return ::DefWindowProcW(hWnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    ::BitBlt(hDC, 0, 0, 480, 220, g_hReadyDC, 0, 0, SRCCOPY);
    ::EndPaint(hWnd, &ps);
    return 0;
}

HWND ReadyFrameWindow(int height)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReadyFrameProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ReadyFrame";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 400, 480, height, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    HDC hWindowDC = ::GetDC(hWnd);
    if (!g_hReadyDC) {
        g_hReadyDC = ::CreateCompatibleDC(hWindowDC);
        ::SelectObject(g_hReadyDC, ::CreateCompatibleBitmap(hWindowDC, 480, 220));
    }
    ::ReleaseDC(hWnd, hWindowDC);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    return hWnd;
}

double FrameMicroseconds(HWND hWnd)
{
    return MedianMicroseconds(500, [&] {
        ::InvalidateRect(hWnd, nullptr, FALSE);
        ::UpdateWindow(hWnd);
    });
}

}  // namespace

int wmain()
{
    for (auto [id, name] : {std::pair{IDB_BAR_SKIN, "bar skin (480 x 100)"}, {IDB_EDITOR_SKIN, "editor skin (480 x 220)"}}) {
        CBitmap skin;
        skin.LoadBitmap(id);
        const double us = MedianMicroseconds(200, [&] { ::DeleteObject(CreateRegionFromBitmap(skin, kKeyColour, kKeyColour)); });
        std::printf("region of the %s: %.0f us\n", name, us);
    }

    HWND hWndEditor = CDialog::CreateSelfDeleting(new CTimerEditDlg, IDD_TIMER_EDIT);
    ::SendMessageW(hWndEditor, kOpenSlotMessage, 0, 0);
    HWND hWndBar = CDialog::CreateSelfDeleting(new CTimerBarDlg, IDD_TIMER_BAR);
    for (int i = 0; i < kTimerSlotCount; ++i) ToggleTimerSlot(i, CurrentSlotTime());

    // A frame's own cost is its paint less the paint of a ready frame of that size.
    for (auto [hWnd, height, name] : {std::tuple{hWndBar, 100, "bar frame, all nine running"},
                                      {hWndEditor, 220, "editor frame"}}) {
        HWND hWndReady = ReadyFrameWindow(height);
        const double ready = FrameMicroseconds(hWndReady);
        const double frame = FrameMicroseconds(hWnd);
        std::printf("one %s: %.0f us painted, of which %.0f us composing (a ready frame paints in %.0f us)\n",
                    name, frame, frame - ready, ready);
        ::DestroyWindow(hWndReady);
    }
    ::DestroyWindow(hWndBar);
    ::DestroyWindow(hWndEditor);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MelkbayBench");
    return 0;
}
