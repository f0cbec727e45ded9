#include "model/PlayGuards.h"

namespace {

// Keys the keyboard hook never sees: none, and the mouse buttons.
bool IsKeyboardKey(int key)
{
    return key > 0x06 && key < 0xFF;
}

// Whether the hook saw the key held: the system holds the generic Shift,
// Ctrl and Alt down beside the sided key that the hook reports.
bool HookSaw(const bool (&hookDown)[HookWatch::kKeyCount], int key)
{
    switch (key) {
    case 0x10: return hookDown[0xA0] || hookDown[0xA1];  // VK_SHIFT: VK_LSHIFT, VK_RSHIFT
    case 0x11: return hookDown[0xA2] || hookDown[0xA3];  // VK_CONTROL
    case 0x12: return hookDown[0xA4] || hookDown[0xA5];  // VK_MENU
    default: return hookDown[key];
    }
}

}  // namespace

bool HookWatch::Check(const bool (&systemDown)[kKeyCount], const bool (&hookDown)[kKeyCount])
{
    if (m_nGraceChecks > 0) {
        --m_nGraceChecks;
        m_nMissedChecks = 0;
        return false;
    }
    bool missed = false;
    for (int key = 0; key < kKeyCount; ++key) missed |= IsKeyboardKey(key) && systemDown[key] && !HookSaw(hookDown, key);
    m_nMissedChecks = missed ? m_nMissedChecks + 1 : 0;
    return m_nMissedChecks >= 2;
}

void HookWatch::Installed()
{
    m_nMissedChecks = 0;
    m_nGraceChecks = 2;
}

bool IsFrontAboveUs(std::optional<std::uint32_t> frontLevel, std::uint32_t ourLevel)
{
    return !frontLevel || *frontLevel > ourLevel;
}

std::wstring ExecutableName(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring GameProgramOf(const std::wstring& stored)
{
    const std::wstring name = ExecutableName(stored);
    for (wchar_t c : name) {
        if (c < 0x20 || std::wstring(L"<>:\"|?*").find(c) != std::wstring::npos) return {};
    }
    return name;
}

bool IsBarHidden(bool hideChosen, bool gameNamed, bool paused, FrontWindow front)
{
    return hideChosen && gameNamed && !paused && front == FrontWindow::Other;
}
