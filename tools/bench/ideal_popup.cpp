// The yardstick for painting CPU: the cheapest possible skinned window of a
// given size, repainting in full from a ready bitmap at a fixed period.
//   ideal_popup WIDTH HEIGHT PERIOD-MS
// Runs until it is sent WM_CLOSE (its title is "Ideal").
#include <windows.h>

#include <cwchar>

namespace {

int g_width = 480;
int g_height = 100;
HDC g_hReadyDC = nullptr;

LRESULT CALLBACK IdealWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        ::InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(hWnd, &ps);
        ::BitBlt(hDC, 0, 0, g_width, g_height, g_hReadyDC, 0, 0, SRCCOPY);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) return 2;
    g_width = std::wcstol(argv[1], nullptr, 10);
    g_height = std::wcstol(argv[2], nullptr, 10);
    const UINT period = static_cast<UINT>(std::wcstol(argv[3], nullptr, 10));

    WNDCLASSW wc{};
    wc.lpfnWndProc = IdealWindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"IdealBenchWindow";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"Ideal", WS_POPUP, 100, 100, g_width,
                                  g_height, nullptr, nullptr, wc.hInstance, nullptr);
    HDC hWindowDC = ::GetDC(hWnd);
    g_hReadyDC = ::CreateCompatibleDC(hWindowDC);
    ::SelectObject(g_hReadyDC, ::CreateCompatibleBitmap(hWindowDC, g_width, g_height));
    ::PatBlt(g_hReadyDC, 0, 0, g_width, g_height, WHITENESS);
    ::ReleaseDC(hWnd, hWindowDC);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    ::SetTimer(hWnd, 1, period, nullptr);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    return 0;
}
