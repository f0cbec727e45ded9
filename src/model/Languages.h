// The languages the program speaks, and which one it shows: the player's
// choice ("Language" in "Option"), or by default Windows' display language.
// Each language is one row of kLanguages and one block of the resources.
// No Windows here.
#pragma once

#include <cstdint>

#include "model/SettingsProfile.h"

constexpr char kEntryLanguage[] = "Language";
// The stored choice: 0 follows Windows, any other a row of kLanguages.
constexpr std::int32_t kLanguageAsWindows = 0;

struct ProgramLanguage {
    std::int32_t choice;    // as stored
    std::uint16_t langId;   // the resources' language (a Windows LANGID)
    const wchar_t* name;    // as its speakers write it, the same in every language
};

// The first row is the language the program was written in: every resource
// has it, so it stands in for a text another language lacks.
constexpr ProgramLanguage kLanguages[] = {
    {1, 0x0412, L"한국어"},
    {2, 0x0409, L"English"},
};
// What a Windows whose display language has none of the rows gets.
constexpr std::uint16_t kFallbackLangId = 0x0409;

// The stored choice; anything that is not one reads as following Windows.
std::int32_t ReadLanguageChoice(SettingsProfile& profile);
// The resources' language for a choice, on a Windows whose user interface
// speaks uiLangId: its own language where the program has it (by primary
// language, so any Korean is Korean), English otherwise.
std::uint16_t ResolveLanguage(std::int32_t choice, std::uint16_t uiLangId);
