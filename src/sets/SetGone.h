// The one box that says an edit found its set deleted meanwhile (nothing of
// the edit was stored).
#pragma once

#include <string>

void TellSetGone(const std::wstring& name);
