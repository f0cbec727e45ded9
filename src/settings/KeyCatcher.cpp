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

// The catcher waiting now, and its filter on the dialog loop's messages.
CKeyCatcher* g_pWaiting = nullptr;
HHOOK g_hDialogFilter = nullptr;

bool IsCharacter(UINT message)
{
    return message == WM_CHAR || message == WM_SYSCHAR || message == WM_DEADCHAR || message == WM_SYSDEADCHAR;
}

// The sheet's loop looks for a mnemonic in a character before the catcher
// sees it: Alt+D would press "Default". A waiting catcher's characters stop here.
LRESULT CALLBACK KeepCharactersFromDialog(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && g_pWaiting && msg->hwnd == g_pWaiting->m_hWnd && IsCharacter(msg->message)) {
        return TRUE;
    }
    return ::CallNextHookEx(g_hDialogFilter, code, wParam, lParam);
}

void FilterDialogLoop(CKeyCatcher* pWaiting)
{
    g_pWaiting = pWaiting;
    if (pWaiting && !g_hDialogFilter) {
        g_hDialogFilter = ::SetWindowsHookExW(WH_MSGFILTER, KeepCharactersFromDialog, nullptr, ::GetCurrentThreadId());
    } else if (!pWaiting && g_hDialogFilter) {
        ::UnhookWindowsHookEx(g_hDialogFilter);
        g_hDialogFilter = nullptr;
    }
}

}  // namespace

CKeyCatcher::~CKeyCatcher()
{
    if (g_pWaiting == this) FilterDialogLoop(nullptr);
}

void CKeyCatcher::Wait(Caught caught)
{
    m_caught = std::move(caught);
    m_bWaiting = true;
    m_nPressedKey = 0;
    m_pressed.reset();
    ShutInputMethod(true);
    FilterDialogLoop(this);
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
    FilterDialogLoop(nullptr);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_caught) m_caught(trigger);
}

void CKeyCatcher::Lost()
{
    Finish(m_nPressedKey != 0 ? m_pressed : std::nullopt);
}

bool CKeyCatcher::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (m_bWaiting) {
        if (IsCharacter(message)) {
            *result = 0;  // no beep, no mnemonic, no menu while waiting
            return true;
        }
        switch (message) {
        case WM_GETDLGCODE:
            *result = DLGC_WANTALLKEYS;  // Tab, Enter and Escape too, not the dialog's
            return true;
        case WM_KILLFOCUS:
            Lost();
            break;
        default:
            break;
        }
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

void CKeyCatcher::OnKey(const KeyEvent& event)
{
    if (!m_bWaiting) {
        CWnd::OnKey(event);
        return;
    }
    if (!event.down) {
        Released(event.key);
        return;
    }
    unsigned key = event.key;
    if (key == VK_PROCESSKEY) {
        using VirtualKeyFn = UINT WINAPI(HWND);
        auto* realKey = InputMethods().Get<VirtualKeyFn>("ImmGetVirtualKey");
        key = realKey ? realKey(m_hWnd) : key;
    }
    const unsigned modifiers = HeldModifiers();
    if (key == VK_ESCAPE && modifiers == 0) {
        Pressed(key, std::nullopt);
    } else if (!IsModifierKey(key) && IsUsableTrigger(MakeTrigger(key, modifiers))) {
        Pressed(key, MakeTrigger(key, modifiers));
    }
    // A modifier alone, or a key with no name of its own, waits on.
}

void CKeyCatcher::OnOtherButton(const ButtonEvent& button)
{
    if (!m_bWaiting) {
        CWnd::OnOtherButton(button);
    } else if (button.down) {
        Pressed(button.key, MakeTrigger(button.key, HeldModifiers()));
    } else {
        Released(button.key);
    }
}

void CKeyCatcher::OnLButtonDown(POINT point)
{
    Finish(std::nullopt);
    CWnd::OnLButtonDown(point);
}

void CKeyCatcher::OnRButtonDown(POINT point)
{
    Finish(std::nullopt);
    CWnd::OnRButtonDown(point);
}

void CKeyCatcher::OnCaptureChanged(HWND hWndNew)
{
    if (hWndNew != m_hWnd) Lost();
    CWnd::OnCaptureChanged(hWndNew);
}

void CKeyCatcher::OnCancelMode()
{
    Lost();
    CWnd::OnCancelMode();
}
