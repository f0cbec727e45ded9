// A trigger as the settings window names it: "Ctrl+Alt+F5", "Num 1",
// "마우스 옆 버튼 1"; the keys' names come from the keyboard layout.
#pragma once

#include <string>

#include "model/Triggers.h"

std::wstring TriggerName(Trigger trigger);
