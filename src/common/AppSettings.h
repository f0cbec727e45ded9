// The settings store bound to the application's registry key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/Wnd.h"
#include "model/Alerts.h"
#include "model/PlayOptions.h"
#include "model/SeeThrough.h"
#include "model/SettingsProfile.h"
#include "model/WindowSwitches.h"
#include "model/Triggers.h"

// The application's profile in the per-user registry, in the ANSI code page.
SettingsProfile& AppProfile();
// After the last save as Windows ends the session: the process may be ended
// at any moment, so nothing more is written (each write then fails).
void StopSettingsWrites();

// Slots of g_timerSlots: read when the host is created, written when it closes.
void LoadSlotSettings();
void SaveSlotSettings();
// One slot, written at once when the editor commits it.
void SaveSlotSetting(int index);

// The player's choices in section "Option": read once at start-up, held for
// this run, stored the moment the player changes one.
void LoadOptions();
// Whether the choice is on and applied: what the menu shows.
bool IsOptionOn(PlayOption option);
// The player's stored choice, applied or not.
bool IsOptionChosen(PlayOption option);
void StoreOption(PlayOption option, bool on);
// For this run only: a choice that cannot be applied (the system refused it)
// shows off, and on again once it could be; the stored choice stays.
void MarkOptionApplied(PlayOption option, bool on);
// Each slot's trigger and second press, and the lockout: read with the
// choices, written only when the settings window's OK stores them.
const SlotTriggers& CurrentTriggers();
void StoreTriggers(const SlotTriggers& triggers);
// The keys of the set shown now (stored with it): the program's own keys stay.
void TakeShownSetKeys(const SlotTriggers& set);
// Each slot's end sound, warning and repeat, of the set shown: read with the
// choices, written only when the settings window's OK stores them, and then
// only what changed; the one volume likewise.
const SlotAlerts& CurrentAlerts();
void StoreAlerts(const SlotAlerts& alerts);
void TakeShownSetAlerts(const SlotAlerts& set);
std::int32_t SoundVolume();
void StoreSoundVolume(std::int32_t volume);
// The bar's opacity in per cent, read with the choices, written when it changes.
std::int32_t BarOpacity();
void StoreBarOpacity(std::int32_t opacity);
// The window page's switches; each written only where it changed.
bool IsSwitchOn(WindowSwitch which);
void StoreSwitch(WindowSwitch which, bool on);
// The language chosen (a row of kLanguages, or following Windows), read with
// the choices, written when it changes.
std::int32_t LanguageChoice();
void StoreLanguageChoice(std::int32_t choice);
// "GameProgram": the one program (an executable's name) whose window must be
// in front for triggers from other programs to act; empty for any. Stored
// as the REG_SZ it is, in UTF-16, whatever the code page.
const std::wstring& GameProgram();
void StoreGameProgram(const std::wstring& name);

// A window's remembered screen position, by the names of its two values in
// section "Option". A position that is absent, or on no monitor, centres the
// window in the work area.
void RestoreWindowPosition(CWnd* pWnd, const char* leftName, const char* topName);
void SaveWindowPosition(CWnd* pWnd, const char* leftName, const char* topName);
