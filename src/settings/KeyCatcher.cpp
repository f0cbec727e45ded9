#include "settings/KeyCatcher.h"

#include "play/TriggerHook.h"

void CKeyCatcher::Wait(Caught caught)
{
    m_caught = std::move(caught);
    m_bWaiting = true;
    ::SetFocus(m_hWnd);
    ::SetCapture(m_hWnd);
}

void CKeyCatcher::Finish(std::optional<Trigger> trigger)
{
    if (!m_bWaiting) return;
    m_bWaiting = false;  // before the capture goes, which reports back here
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_caught) m_caught(trigger);
}

bool CKeyCatcher::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (!m_bWaiting) return CWnd::OnWndMsg(message, wParam, lParam, result);
    const unsigned modifiers = HeldModifiers();
    switch (message) {
    case WM_GETDLGCODE:
        *result = DLGC_WANTALLKEYS;  // Tab, Enter and Escape too, not the dialog's
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        const auto key = static_cast<unsigned>(wParam);
        if (key == VK_ESCAPE && modifiers == 0) {
            Finish(std::nullopt);
        } else if (!IsModifierKey(key)) {
            const Trigger trigger = MakeTrigger(key, modifiers);
            Finish(IsUsableTrigger(trigger) ? std::optional<Trigger>(trigger) : std::nullopt);
        }
        *result = 0;
        return true;
    }
    case WM_KEYUP: case WM_SYSKEYUP: case WM_CHAR: case WM_SYSCHAR:
        *result = 0;  // no beep, no mnemonic, no menu while waiting
        return true;
    case WM_MBUTTONDOWN:
        Finish(MakeTrigger(kMiddleButton, modifiers));
        *result = 0;
        return true;
    case WM_XBUTTONDOWN:
        Finish(MakeTrigger(GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? kSideButton1 : kSideButton2, modifiers));
        *result = TRUE;
        return true;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_KILLFOCUS: case WM_CAPTURECHANGED: case WM_CANCELMODE:
        Finish(std::nullopt);
        break;
    default:
        break;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}
