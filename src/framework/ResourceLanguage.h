// The language the program's own resources are taken in: strings, dialog
// templates and pictures are looked for in it first, and where it has none,
// in whatever language the module holds them.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <initializer_list>
#include <string>

// Taken by every later lookup; LANG_NEUTRAL leaves the pick to Windows.
// The system's own texts (the buttons of message boxes and property sheets)
// are in systemTexts where Windows has that language, 0 for Windows' own:
// this thread's at once, another's once it calls FollowResourceLanguage.
void SetResourceLanguage(LANGID language, LANGID systemTexts = 0);
LANGID ResourceLanguage();
// The language forced on the system's own texts, 0 where they stay Windows' own.
LANGID SystemTextsLanguage();
void FollowResourceLanguage();

// A resource of the program's module in the language, or null.
const void* LockLanguageResource(const wchar_t* type, UINT id, DWORD* size = nullptr);
// A dialog template, for the Indirect forms of the dialog functions.
const DLGTEMPLATE* LanguageDialogTemplate(UINT nIDTemplate);
// A string of the string table, and one with "%1", "%2", ... replaced by the
// values in order.
std::wstring LoadResourceString(UINT id);
std::wstring FormatResourceString(UINT id, std::initializer_list<std::wstring> values);
// A bitmap resource as LoadBitmap gives it (a bitmap of the screen's format), or null.
HBITMAP LoadLanguageBitmap(UINT nIDBitmap);
