#include "common/TriggerNames.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cwchar>

#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

// Keys whose scan code alone names a key of the numeric keypad instead.
bool IsExtendedKey(unsigned key)
{
    switch (key) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: case VK_DIVIDE: case VK_NUMLOCK:
    case VK_SNAPSHOT: case VK_APPS:
        return true;
    default:
        return false;
    }
}

std::wstring KeyName(unsigned key)
{
    switch (key) {
    case kMiddleButton: return LoadResourceString(IDS_MIDDLE_BUTTON);
    case kSideButton1: return LoadResourceString(IDS_SIDE_BUTTON_1);
    case kSideButton2: return LoadResourceString(IDS_SIDE_BUTTON_2);
    default: break;
    }
    const UINT scan = ::MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    const LONG code = static_cast<LONG>((scan << 16) | (IsExtendedKey(key) ? 1u << 24 : 0u));
    wchar_t name[64] = {};
    if (scan != 0 && ::GetKeyNameTextW(code, name, 64) > 0) return name;
    wchar_t number[16];
    std::swprintf(number, 16, L"0x%02X", key);
    return number;
}

}  // namespace

std::wstring TriggerName(Trigger trigger)
{
    if (trigger == kNoTrigger) return LoadResourceString(IDS_KEY_NONE);
    const unsigned modifiers = TriggerModifiers(trigger);
    std::wstring name;
    if (modifiers & kModControl) name += L"Ctrl+";
    if (modifiers & kModAlt) name += L"Alt+";
    if (modifiers & kModShift) name += L"Shift+";
    if (modifiers & kModWin) name += L"Win+";
    return name + KeyName(TriggerKey(trigger));
}
