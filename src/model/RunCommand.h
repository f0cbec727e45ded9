// The program's entry among those Windows starts at log-on: a command line
// that is the executable's full path, quoted so that a path with spaces
// stays one. No Windows here.
#pragma once

#include <string>

std::wstring QuotedCommand(const std::wstring& path);
// The program a stored command starts: the quoted part, or without quotes
// the whole line (trimmed); empty where there is none.
std::wstring CommandProgram(const std::wstring& command);
