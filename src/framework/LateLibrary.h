// A system library loaded only when it is needed, with its functions looked up
// by name. The internet, shell and COM libraries serve the update check alone:
// loading them at start-up would cost every start.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class CLateLibrary {
public:
    // From the system directory only, never from beside the program.
    explicit CLateLibrary(const wchar_t* name) : m_hModule(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
    {
    }
    ~CLateLibrary()
    {
        if (m_hModule) ::FreeLibrary(m_hModule);
    }
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
