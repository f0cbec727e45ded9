// The bar menu's choices (playing beside a game, double size), as this run of
// the program holds them, and what each one sets going. All start off.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/PlayOptions.h"

// At start-up, once the slots are loaded: reads the choices and lets kept
// timers run on.
void LoadPlaySettings();
bool IsPlayOptionOn(PlayOption option);
// The digit keys from other programs, for the bar as it is created and after a
// resume or an unlock. A hook the system refuses shows the choice off for
// this run; the stored choice stays for the next.
void StartDigitKeys(HWND hWndBar);
void RenewDigitKeys();
// Flips a choice from the menu, applies it and stores it at once; a choice
// that cannot be applied (the hook refused) stays off and is not stored.
void SwitchPlayOption(PlayOption option);

// While running timers are kept: stores a slot's end after it was started,
// stopped or committed, or every slot's end at a save.
void KeepSlotEnd(int index);
void KeepSlotEnds();
