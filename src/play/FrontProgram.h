// The program whose window is in front: its executable's name, and whether it
// runs above Tavorin (a game started as administrator), where the system keeps
// its keys from Tavorin's hooks. Read again only when another process comes
// to the front.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FrontProgram {
    DWORD processId = 0;
    std::wstring name;     // "Game.exe"; empty where it cannot be read
    bool aboveUs = false;  // at a higher integrity level than ours, or unreadable
};

const FrontProgram& CurrentFrontProgram();
// The executable's name of a process ("Game.exe"), or empty where it cannot be read.
std::wstring ExecutableOf(HANDLE hProcess);
// This process's integrity level (medium for a normal start).
std::uint32_t OurIntegrity();
// The executable names of the other programs with a visible window, each once,
// for the player to choose the one game from.
std::vector<std::wstring> ProgramsWithWindows();
// Whether the front program is the one game the player chose (any, when none is chosen).
bool IsChosenGameInFront();
