// Texts handed to a screen reader as the system's strings (BSTR), with
// oleaut32 loaded at the first: a player without a reader never loads it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <wtypes.h>

#include <string>

// Null for an empty text, or where the library is missing.
BSTR AllocOleText(const std::wstring& text);
void FreeOleText(BSTR text);
