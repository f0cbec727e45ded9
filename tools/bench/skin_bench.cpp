// Skin costs under the real GDI: building each skin's region, and composing
// one bar frame with 11 sprites (nine icons loaded for the draw, the pin and
// the close button). Medians in microseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "framework/Gdi.h"
#include "res/resource.h"
#include "skin/Region.h"
#include "skin/SkinCanvas.h"

namespace {

double MedianMicroseconds(int runs, const std::function<void()>& work)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        work();
        ::QueryPerformanceCounter(&end);
        times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

    HWND hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 480, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    SkinCanvas canvas;
    canvas.LoadSkin(IDB_BAR_SKIN);
    canvas.CreateBuffers(hWnd);
    CBitmap pin, close;
    pin.LoadBitmap(IDB_PIN_OFF);
    close.LoadBitmap(IDB_BAR_CLOSE);
    HDC screen = ::GetDC(hWnd);
    const double frame = MedianMicroseconds(300, [&] {
        canvas.BeginFrame();
        for (int i = 0; i < 9; ++i) {
            CBitmap icon;
            icon.LoadBitmap(IDB_ICON_FIRST + i);
            canvas.DrawSprite(hWnd, icon, 23 + 45 * i, 33);
        }
        canvas.DrawSprite(hWnd, pin, 440, 1, 16, 16);
        canvas.DrawSprite(hWnd, close, 460, 3, 11, 11);
        canvas.Present(screen);
    });
    std::printf("one bar frame with 11 sprites, composed and copied: %.0f us\n", frame);
    ::ReleaseDC(hWnd, screen);
    ::DestroyWindow(hWnd);
    return 0;
}
