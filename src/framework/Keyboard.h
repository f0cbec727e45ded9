// The keyboard as the message being handled found it: the modifiers held,
// and whether the window with the focus takes a key as its own.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Shift, Ctrl, Alt and the Windows keys held, numbered as RegisterHotKey
// numbers them (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8).
unsigned HeldModifiers();

// Whether the keyboard focus (a window of this thread) takes the key as its
// own: a text box a key that types a character (no Ctrl, Alt or Windows key
// in `modifiers`), a window that asks for every key (DLGC_WANTALLKEYS) any.
bool FocusTakesKey(unsigned key, unsigned modifiers);
