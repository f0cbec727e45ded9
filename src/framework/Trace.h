// The developer's trace: what the program did and what failed, for a
// debugger's output window (or DebugView). A release build traces nothing:
// the calls, their texts included, are compiled out.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#ifdef NDEBUG
#define TRACE(what) ((void)0)
#else
#define TRACE(what) TraceLine(what)
inline void TraceLine(const std::wstring& what)
{
    ::OutputDebugStringW((L"Tavorin: " + what + L"\n").c_str());
}
#endif
