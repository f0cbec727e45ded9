#include "model/PlayGuards.h"

namespace {

// Keys the keyboard hook never sees: none, and the mouse buttons.
bool IsKeyboardKey(int key)
{
    return key > 0x06 && key < 0xFF;
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
    for (int key = 0; key < kKeyCount; ++key) missed |= IsKeyboardKey(key) && systemDown[key] && !hookDown[key];
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
