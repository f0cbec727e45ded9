// The settings store bound to the application's registry key.
#pragma once

#include "framework/Wnd.h"
#include "model/SettingsProfile.h"

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

// A window's remembered screen position, by the names of its two values in
// section "Option". A position that is absent, or on no monitor, centres the
// window in the work area.
void RestoreWindowPosition(CWnd* pWnd, const char* leftName, const char* topName);
void SaveWindowPosition(CWnd* pWnd, const char* leftName, const char* topName);
