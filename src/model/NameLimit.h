// The limit of a name (a slot's, a set's): it is stored as bytes of the ANSI
// code page, so the limit counts those bytes (a Korean syllable counts 2),
// never UTF-16 units. No window code here; the caller says how many bytes a
// character takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The most bytes a name may have.
constexpr std::int32_t kNameByteLimit = 20;

// Bytes of one character (one code point, given as its UTF-16 units), or
// kUnstorableChar for one the code page cannot hold (it would be kept as "?").
using CharByteWidth = std::int32_t (*)(const char16_t* units, std::size_t count);
constexpr std::int32_t kUnstorableChar = -1;

// Bytes of a whole UTF-16 text (characters that cannot be stored count none).
std::int32_t TextBytes(const std::u16string& text, CharByteWidth width);
// Whether the code page holds every character of the text.
bool IsStorableText(const std::u16string& text, CharByteWidth width);

// How many UTF-16 units of `inserted`, whole characters only, may replace the
// units [selStart, selEnd) of `text` without the result passing `limit` bytes;
// the insertion also ends before the first character that cannot be stored.
std::size_t FittingInsertion(const std::u16string& text, std::size_t selStart, std::size_t selEnd,
                             const std::u16string& inserted, std::int32_t limit, CharByteWidth width);

// Control characters (NUL, tab, line breaks, the rest below a space, DEL):
// no name holds one. Each in `utf8` becomes a space; whether there was any.
bool ReplaceControlCharacters(std::string& utf8);
bool HasControlCharacters(const std::u16string& text);
