#include "model/HandOver.h"

#include "model/SettingsStore.h"

namespace {

constexpr wchar_t kTakeOver[] = L"/takeover:";

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t';
}

}  // namespace

std::optional<std::uint32_t> TakeOverFrom(const std::wstring& commandLine)
{
    // The program's name, quoted or up to the first blank, as Windows splits it.
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        at = commandLine.find(L'"', 1);
        if (at == std::wstring::npos) return std::nullopt;
        ++at;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
    }
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
    std::size_t end = commandLine.size();
    while (end > at && IsBlank(commandLine[end - 1])) --end;
    const std::wstring argument = commandLine.substr(at, end - at);
    const std::size_t prefix = std::char_traits<wchar_t>::length(kTakeOver);
    if (argument.compare(0, prefix, kTakeOver) != 0) return std::nullopt;
    const std::wstring digits = argument.substr(prefix);
    if (digits.empty() || digits.size() > 10) return std::nullopt;
    std::uint64_t id = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return std::nullopt;
        id = id * 10 + static_cast<std::uint64_t>(c - L'0');
    }
    if (id == 0 || id > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(id);
}

std::wstring TakeOverArguments(std::uint32_t processId)
{
    return kTakeOver + std::to_wstring(processId);
}

void MarkHandOver(SettingsProfile& profile, std::uint32_t from)
{
    profile.WriteInt(kSectionSave, kEntryHandOver, static_cast<std::int32_t>(from));
}

bool TakeHandOverMark(SettingsProfile& profile, std::uint32_t from)
{
    const auto mark = static_cast<std::uint32_t>(profile.GetInt(kSectionSave, kEntryHandOver, 0));
    if (mark == 0) return false;
    profile.WriteInt(kSectionSave, kEntryHandOver, 0);
    return mark == from;
}
