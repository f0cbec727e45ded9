#include "settings/KeyCatcher.h"

#include <imm.h>

#include "framework/Keyboard.h"
#include "framework/LateLibrary.h"

namespace {

// imm32: the input method's functions, loaded with the first catch.
CLateLibrary& InputMethods()
{
    static CLateLibrary library(L"imm32.dll");
    return library;
}

}  // namespace

void CKeyCatcher::Wait(Caught caught)
{
    m_caught = std::move(caught);
    m_bWaiting = true;
    m_nPressedKey = 0;
    m_pressed.reset();
    ShutInputMethod(true);
    ::SetFocus(m_hWnd);
    ::SetCapture(m_hWnd);
}

void CKeyCatcher::ShutInputMethod(bool shut)
{
    using AssociateFn = HIMC WINAPI(HWND, HIMC);
    auto* associate = InputMethods().Get<AssociateFn>("ImmAssociateContext");
    if (!associate) return;
    if (shut) {
        m_hInputContext = associate(m_hWnd, nullptr);
    } else {
        associate(m_hWnd, static_cast<HIMC>(m_hInputContext));
        m_hInputContext = nullptr;
    }
}

void CKeyCatcher::Pressed(unsigned key, std::optional<Trigger> trigger)
{
    if (m_nPressedKey != 0) return;  // the caught key's auto-repeat, or a second key: the first counts
    m_nPressedKey = key;
    m_pressed = trigger;
}

void CKeyCatcher::Released(unsigned key)
{
    if (m_nPressedKey != 0 && key == m_nPressedKey) Finish(m_pressed);
}

void CKeyCatcher::Finish(std::optional<Trigger> trigger)
{
    if (!m_bWaiting) return;
    m_bWaiting = false;  // before the capture goes, which reports back here
    m_nPressedKey = 0;
    ShutInputMethod(false);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_caught) m_caught(trigger);
}

bool CKeyCatcher::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (!m_bWaiting) return CWnd::OnWndMsg(message, wParam, lParam, result);
    const unsigned modifiers = HeldModifiers();
    *result = 0;
    switch (message) {
    case WM_GETDLGCODE:
        *result = DLGC_WANTALLKEYS;  // Tab, Enter and Escape too, not the dialog's
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        auto key = static_cast<unsigned>(wParam);
        if (key == VK_PROCESSKEY) {
            using VirtualKeyFn = UINT WINAPI(HWND);
            auto* realKey = InputMethods().Get<VirtualKeyFn>("ImmGetVirtualKey");
            key = realKey ? realKey(m_hWnd) : key;
        }
        if (key == VK_ESCAPE && modifiers == 0) {
            Pressed(key, std::nullopt);
        } else if (!IsModifierKey(key) && IsUsableTrigger(MakeTrigger(key, modifiers))) {
            Pressed(key, MakeTrigger(key, modifiers));
        }
        return true;  // a modifier alone, or a key with no name of its own, waits on
    }
    case WM_KEYUP: case WM_SYSKEYUP:
        Released(static_cast<unsigned>(wParam));
        return true;
    case WM_CHAR: case WM_SYSCHAR: case WM_DEADCHAR: case WM_SYSDEADCHAR:
        return true;  // no beep, no mnemonic, no menu while waiting
    case WM_MBUTTONDOWN:
        Pressed(kMiddleButton, MakeTrigger(kMiddleButton, modifiers));
        return true;
    case WM_XBUTTONDOWN: {
        const unsigned key = SideButtonKey(GET_XBUTTON_WPARAM(wParam));
        Pressed(key, MakeTrigger(key, modifiers));
        *result = TRUE;
        return true;
    }
    case WM_MBUTTONUP:
        Released(kMiddleButton);
        return true;
    case WM_XBUTTONUP:
        Released(SideButtonKey(GET_XBUTTON_WPARAM(wParam)));
        *result = TRUE;
        return true;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN:
        Finish(std::nullopt);
        break;
    case WM_KILLFOCUS: case WM_CAPTURECHANGED: case WM_CANCELMODE:
        // Gone before the release: what was pressed still counts.
        Finish(m_nPressedKey != 0 ? m_pressed : std::nullopt);
        break;
    default:
        break;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}
