// The small dialog that asks for a set's name: a name box that takes what a
// set's name may hold (20 bytes of the ANSI code page, as a slot's name), OK
// and Cancel. OK with a name the set rules refuse says why and stays open.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// Says what is wrong with a name, or nothing when it will do.
using SetNameCheck = std::function<std::optional<std::wstring>(const std::wstring& name)>;

// The name chosen, or nothing when the player cancelled.
std::optional<std::wstring> AskSetName(HWND hWndOwner, const std::wstring& title, const std::wstring& initial,
                                       const SetNameCheck& check);
