// What the benchmark programs share: an application object whose registry
// key is the bench's own, and the median time of a piece of work.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/WinApp.h"

class BenchApp : public CWinApp {
public:
    BenchApp()
    {
        m_hInstance = ::GetModuleHandleW(nullptr);
        m_strAppName = L"Tavorin";
        SetRegistryKey(L"MelkbayBench");
    }
};

inline double MedianMicroseconds(int runs, const std::function<void()>& work)
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
