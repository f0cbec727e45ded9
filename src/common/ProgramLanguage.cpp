#include "common/ProgramLanguage.h"

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"
#include "framework/ResourceLanguage.h"
#include "model/Languages.h"

void TakeChosenLanguage()
{
    const LANGID language = ResolveLanguage(LanguageChoice(), ::GetUserDefaultUILanguage());
    SetResourceLanguage(language);
    // The system's own texts (the buttons of message boxes and of the settings
    // window) follow a choice, where Windows has the language; else Windows' own.
    ::SetThreadUILanguage(LanguageChoice() == kLanguageAsWindows ? 0 : language);
}

void ShowLanguage(int choice)
{
    if (choice == LanguageChoice()) return;
    StoreLanguageChoice(choice);
    TakeChosenLanguage();
    for (HWND hWnd : {CProgramDialog::EditorWindow(), CProgramDialog::BarWindow()}) {
        if (hWnd) ::SendMessageW(hWnd, kLanguageShownMessage, 0, 0);
    }
}
