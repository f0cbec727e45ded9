// The language the program shows: the player's choice, else Windows' own.
#pragma once

// Takes the chosen language for every text and picture from now on (at
// start-up, before the first window).
void TakeChosenLanguage();
// The player chose another language: it is stored and shown at once in the
// bar and the editor (the menu and the settings window take it as they open).
void ApplyLanguageChoice(int choice);
