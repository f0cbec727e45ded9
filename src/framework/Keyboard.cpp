#include "framework/Keyboard.h"

unsigned HeldModifiers()
{
    const auto down = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    return (down(VK_MENU) ? MOD_ALT : 0) | (down(VK_CONTROL) ? MOD_CONTROL : 0) | (down(VK_SHIFT) ? MOD_SHIFT : 0) |
           (down(VK_LWIN) || down(VK_RWIN) ? MOD_WIN : 0);
}

bool FocusTakesKey(unsigned key, unsigned modifiers)
{
    HWND hWndFocus = ::GetFocus();
    if (!hWndFocus) return false;
    const LRESULT code = ::SendMessageW(hWndFocus, WM_GETDLGCODE, key, 0);
    if (code & DLGC_WANTALLKEYS) return true;
    // An edit control: it has a selection and wants the characters.
    const bool textBox = (code & DLGC_WANTCHARS) && (code & DLGC_HASSETSEL);
    if (!textBox || (modifiers & (MOD_CONTROL | MOD_ALT | MOD_WIN))) return false;
    const bool keypad = key >= VK_NUMPAD0 && key <= VK_DIVIDE;
    return keypad || ::MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) != 0;
}
