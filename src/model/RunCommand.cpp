#include "model/RunCommand.h"

std::wstring QuotedCommand(const std::wstring& path)
{
    return L"\"" + path + L"\"";
}

std::wstring CommandProgram(const std::wstring& command)
{
    const std::size_t first = command.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    if (command[first] == L'"') {
        const std::size_t close = command.find(L'"', first + 1);
        return close == std::wstring::npos ? std::wstring{} : command.substr(first + 1, close - first - 1);
    }
    const std::size_t last = command.find_last_not_of(L" \t");
    return command.substr(first, last - first + 1);
}
