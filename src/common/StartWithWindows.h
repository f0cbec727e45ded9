// The program among those Windows starts at log-on: the entry "Tavorin"
// under the user's Run key, holding the running executable's quoted path.
#pragma once

#include <string>

// Whether the entry starts this very executable (an entry of a moved copy does not).
bool IsStartingWithWindows();
// Writes the entry for this executable, or removes it; false where the registry refused.
bool StoreStartWithWindows(bool on);
// The running executable's full path.
std::wstring ProgramPath();
