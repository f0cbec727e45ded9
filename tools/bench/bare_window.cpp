// The yardstick for start-up time: a Win32 program that only creates and
// shows one window, then runs its message loop until it is closed.
#include <windows.h>

static LRESULT CALLBACK BareWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = BareWindowProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = L"BareBenchWindow";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"Bare", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  hInstance, nullptr);
    ::ShowWindow(hWnd, SW_SHOW);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
    return 0;
}
