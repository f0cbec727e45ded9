// Text between the program's UTF-16 and the byte strings of a code page: the
// ANSI code page of the registry and the slot names, or the update server's.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

std::wstring MultiByteToWide(const std::string& text, UINT codePage = CP_ACP);
std::string WideToMultiByte(const std::wstring& text, UINT codePage = CP_ACP);

// Bytes of one character (its UTF-16 units) in the ANSI code page, or -1 for
// one the code page cannot hold (it would be stored as "?").
std::int32_t AnsiCharBytes(const char16_t* units, std::size_t count);
