// System libraries load from the system directory, also where the system
// refuses LOAD_LIBRARY_SEARCH_SYSTEM32, and stay loaded once loaded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/LateLibrary.h"

namespace {

std::vector<std::pair<std::wstring, DWORD>> g_calls;

// LoadLibraryExW of Vista and of Windows 7 without KB2533623.
HMODULE WINAPI LoadWithoutSearchFlags(LPCWSTR name, HANDLE, DWORD flags)
{
    g_calls.emplace_back(name, flags);
    if (flags & LOAD_LIBRARY_SEARCH_SYSTEM32) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return ::LoadLibraryExW(name, nullptr, flags);
}

std::wstring SystemDirectory()
{
    wchar_t directory[MAX_PATH];
    return std::wstring(directory, ::GetSystemDirectoryW(directory, MAX_PATH));
}

}  // namespace

TEST(LateLibrary, WithoutTheSearchFlagItLoadsByTheSystemDirectorysPath)
{
    g_calls.clear();
    EXPECT_NE(LoadSystemLibrary(L"wininet.dll", LoadWithoutSearchFlags), nullptr);
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[1].first, SystemDirectory() + L"\\wininet.dll");
    EXPECT_EQ(g_calls[1].second & LOAD_LIBRARY_SEARCH_SYSTEM32, 0u);

    g_calls.clear();
    EXPECT_EQ(LoadSystemLibrary(L"no-such-library.dll"), nullptr) << "a missing library is no reason to look elsewhere";
    EXPECT_EQ(LoadSystemLibrary(L"no-such-library.dll", LoadWithoutSearchFlags), nullptr);
}

TEST(LateLibrary, ALibraryStaysLoadedAfterUse)
{
    ASSERT_EQ(::GetModuleHandleW(L"url.dll"), nullptr) << "nothing else in the tests loads it";
    {
        const CLateLibrary url(L"url.dll");
        ASSERT_NE(url.Get<BOOL WINAPI(DWORD)>("InetIsOffline"), nullptr);
    }
    EXPECT_NE(::GetModuleHandleW(L"url.dll"), nullptr) << "its threads may still run its code";
}
