#include "common/ProgramLanguage.h"

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"
#include "framework/ResourceLanguage.h"
#include "model/Languages.h"

void TakeChosenLanguage()
{
    const LANGID language = ResolveLanguage(LanguageChoice(), ::GetUserDefaultUILanguage());
    // The system's own texts follow a choice; else they stay Windows' own.
    SetResourceLanguage(language, LanguageChoice() == kLanguageAsWindows ? 0 : language);
}

void ApplyLanguageChoice(int choice)
{
    if (choice == LanguageChoice()) return;
    StoreLanguageChoice(choice);
    TakeChosenLanguage();
    for (HWND hWnd : {CProgramDialog::EditorWindow(), CProgramDialog::BarWindow()}) {
        if (hWnd) ::SendMessageW(hWnd, kLanguageShownMessage, 0, 0);
    }
}
