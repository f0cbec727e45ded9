// Start-up time: starts a program, waits until its window exists (polled
// every millisecond), closes it with WM_CLOSE and waits for its end. Prints
// each run and the median in milliseconds.
//   startup_bench RUNS WINDOW-TITLE PROGRAM
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND FindProcessWindow(DWORD pid, const wchar_t* title)
{
    HWND hWnd = nullptr;
    while ((hWnd = ::FindWindowExW(nullptr, hWnd, nullptr, title)) != nullptr) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hWnd, &owner);
        if (owner == pid) return hWnd;
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS WINDOW-TITLE PROGRAM\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        std::wstring command = L"\"" + std::wstring(argv[3]) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        LARGE_INTEGER start, found;
        ::QueryPerformanceCounter(&start);
        if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &process)) {
            std::fprintf(stderr, "cannot start the program\n");
            return 1;
        }
        HWND hWnd = nullptr;
        while (!(hWnd = FindProcessWindow(process.dwProcessId, argv[2]))) {
            if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
        }
        ::QueryPerformanceCounter(&found);
        if (!hWnd) {
            std::fprintf(stderr, "the program ended without its window\n");
            return 1;
        }
        times.push_back(Seconds(start, found) * 1000.0);
        std::printf("run %d: %.1f ms\n", run + 1, times.back());
        ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    std::sort(times.begin(), times.end());
    std::printf("median: %.1f ms\n", times[times.size() / 2]);
    return 0;
}
