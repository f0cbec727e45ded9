#include "common/StartWithWindows.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <vector>

#include "model/RunCommand.h"

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kEntry[] = L"Tavorin";

std::wstring StoredCommand()
{
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, kEntry, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
        return {};
    }
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, kEntry, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    return text.data();
}

}  // namespace

std::wstring ProgramPath()
{
    // Past MAX_PATH where the folder is that deep: the buffer grows until the whole path fits.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::wstring(path.data(), length);
        path.resize(path.size() * 2);
    }
}

bool IsStartingWithWindows()
{
    const std::wstring program = CommandProgram(StoredCommand());
    const std::wstring path = ProgramPath();
    return !program.empty() && ::CompareStringOrdinal(program.c_str(), -1, path.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool StoreStartWithWindows(bool on)
{
    if (!on) {
        const LSTATUS status = ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kEntry);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const std::wstring path = ProgramPath();
    if (path.empty()) return false;
    const std::wstring command = QuotedCommand(path);
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kEntry, REG_SZ, command.c_str(),
                             static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}
