#include "framework/CodePage.h"

#include <algorithm>

std::wstring MultiByteToWide(const std::string& text, UINT codePage)
{
    if (text.empty()) return {};
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string WideToMultiByte(const std::wstring& text, UINT codePage)
{
    if (text.empty()) return {};
    const int length = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                             nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(length, 0)), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                          nullptr);
    return bytes;
}

std::int32_t AnsiCharBytes(const char16_t* units, std::size_t count)
{
    const auto* text = reinterpret_cast<const wchar_t*>(units);
    const int length = static_cast<int>(count);
    // A UTF-8 code page holds every character, and takes no default-character query.
    if (::GetACP() == CP_UTF8) return ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    BOOL usedDefault = FALSE;
    const int bytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0, nullptr,
                                            &usedDefault);
    return usedDefault ? -1 : bytes;
}
