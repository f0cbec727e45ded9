// The set shown as a file or clipboard text to keep and share, and a set
// from either, shown at once as a new set. A file that is no set, too large
// or unreadable gets a box that names the problem, and nothing changes.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "model/SetFile.h"
#include "model/TimerSets.h"

// The standard save dialog, "<set name>.tavorin-set".
void ExportShownSet(HWND hWndOwner);
// The standard open dialog.
void ImportSet(HWND hWndOwner);
void CopyShownSet(HWND hWndOwner);
void PasteSet(HWND hWndOwner);

// A set as the file holds it, and back: names between the ANSI code page of
// the slots and UTF-8; `adjusted` counts the names that had to change.
SetFileContent SetFileOf(const TimerSet& set);
TimerSet SetOfFile(const SetFileContent& content, int* adjusted);
// The text a set becomes, and a set's text taken in (a box says what happened).
std::string SetText(const TimerSet& set);
void TakeSetText(HWND hWndOwner, const std::string& bytes, const std::wstring& from);
