// A system library loaded only when it is needed, with its functions looked up
// by name. The internet, shell and COM libraries serve the update check alone:
// loading them at start-up would cost every start.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

using LoadLibraryExFunction = HMODULE WINAPI(LPCWSTR, HANDLE, DWORD);

// A library from the system directory only, never from beside the program:
// by LOAD_LIBRARY_SEARCH_SYSTEM32 where the system knows it, else (Vista, 7
// without KB2533623) by the system directory's full path.
HMODULE LoadSystemLibrary(const wchar_t* name, LoadLibraryExFunction* load = ::LoadLibraryExW);

class CLateLibrary {
public:
    // The library stays loaded for the process's life, never freed: threads it
    // started may still run its code after the last call.
    explicit CLateLibrary(const wchar_t* name) : m_hModule(LoadSystemLibrary(name)) {}
    CLateLibrary(const CLateLibrary&) = delete;
    CLateLibrary& operator=(const CLateLibrary&) = delete;

    // The function of that name and type, or null.
    template <typename Function>
    Function* Get(const char* name) const
    {
        return m_hModule ? reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(m_hModule, name)))
                         : nullptr;
    }

private:
    HMODULE m_hModule;
};
