#include "framework/LateLibrary.h"

#include <string>

HMODULE LoadSystemLibrary(const wchar_t* name, LoadLibraryExFunction* load)
{
    if (HMODULE hModule = load(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return hModule;
    // Systems without the flag refuse it as an invalid parameter; any other
    // failure (no such library) is final.
    if (::GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    wchar_t directory[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(directory, length) + L"\\" + name;
    return load(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
