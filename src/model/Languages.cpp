#include "model/Languages.h"

#include "model/SettingsStore.h"

namespace {

constexpr std::uint16_t PrimaryLanguage(std::uint16_t langId)
{
    return static_cast<std::uint16_t>(langId & 0x3ff);
}

}  // namespace

std::int32_t ReadLanguageChoice(SettingsProfile& profile)
{
    const std::int32_t choice = profile.GetInt(kSectionOption, kEntryLanguage, kLanguageAsWindows);
    for (const ProgramLanguage& language : kLanguages) {
        if (choice == language.choice) return choice;
    }
    return kLanguageAsWindows;
}

std::uint16_t ResolveLanguage(std::int32_t choice, std::uint16_t uiLangId)
{
    for (const ProgramLanguage& language : kLanguages) {
        if (choice == language.choice) return language.langId;
    }
    for (const ProgramLanguage& language : kLanguages) {
        if (PrimaryLanguage(uiLangId) == PrimaryLanguage(language.langId)) return language.langId;
    }
    return kFallbackLangId;
}
