// The bar menu's choices (playing beside a game, double size), as this run of
// the program holds them, and what each one sets going. All start off.
#pragma once

#include "model/PlayOptions.h"

// At start-up, once the slots are loaded: reads the choices and lets kept
// timers run on.
void LoadPlaySettings();
bool IsPlayOptionOn(PlayOption option);
// Flips a choice from the menu, stores it at once and applies it.
void SwitchPlayOption(PlayOption option);

// While running timers are kept: stores a slot's end after it was started,
// stopped or committed, or every slot's end at a save.
void KeepSlotEnd(int index);
void KeepSlotEnds();
