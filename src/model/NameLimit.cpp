#include "model/NameLimit.h"

#include <algorithm>

namespace {

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Units of the character starting at `at`: a surrogate pair is one character.
std::size_t CharUnits(const std::u16string& text, std::size_t at)
{
    if (IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) return 2;
    return 1;
}

std::int32_t RangeBytes(const std::u16string& text, std::size_t from, std::size_t to, CharByteWidth width)
{
    std::int32_t bytes = 0;
    for (std::size_t at = from; at < to;) {
        const std::size_t units = std::min(CharUnits(text, at), to - at);
        bytes += std::max(width(text.data() + at, units), 0);
        at += units;
    }
    return bytes;
}

}  // namespace

std::int32_t TextBytes(const std::u16string& text, CharByteWidth width)
{
    return RangeBytes(text, 0, text.size(), width);
}

bool IsStorableText(const std::u16string& text, CharByteWidth width)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t units = CharUnits(text, at);
        if (width(text.data() + at, units) == kUnstorableChar) return false;
        at += units;
    }
    return true;
}

std::size_t FittingInsertion(const std::u16string& text, std::size_t selStart, std::size_t selEnd,
                             const std::u16string& inserted, std::int32_t limit, CharByteWidth width)
{
    selEnd = std::min(selEnd, text.size());
    selStart = std::min(selStart, selEnd);
    std::int32_t bytes = TextBytes(text, width) - RangeBytes(text, selStart, selEnd, width);
    std::size_t fitting = 0;
    while (fitting < inserted.size()) {
        const std::size_t units = CharUnits(inserted, fitting);
        const std::int32_t charBytes = width(inserted.data() + fitting, units);
        if (charBytes == kUnstorableChar) break;
        const std::int32_t next = bytes + charBytes;
        if (next > limit) break;
        bytes = next;
        fitting += units;
    }
    return fitting;
}

namespace {

bool IsControl(char32_t c)
{
    return c < 0x20 || c == 0x7F;
}

}  // namespace

bool ReplaceControlCharacters(std::string& utf8)
{
    bool replaced = false;
    for (char& byte : utf8) {
        // A byte of a longer UTF-8 sequence is 0x80 or above: never one of these.
        if (!IsControl(static_cast<unsigned char>(byte))) continue;
        byte = ' ';
        replaced = true;
    }
    return replaced;
}

bool HasControlCharacters(const std::u16string& text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t unit) { return IsControl(unit); });
}
