#include "app/ElevatedRestart.h"

#include "common/AppSettings.h"
#include "sets/KeptEnds.h"
#include "common/ProgramDialog.h"
#include "play/KeysEverywhere.h"
#include "settings/SettingsWindow.h"

bool RestartAsAdministrator(ElevatedStarter* start)
{
    // The new copy reads everything from the registry once this one has ended.
    SaveSlotSettings();
    StoreSlotEndsForHandOver();
    for (HWND hWnd : {CProgramDialog::BarWindow(), CProgramDialog::EditorWindow()}) {
        if (hWnd) ::SendMessageW(hWnd, kSaveStateMessage, 0, 0);
    }
    SuspendKeysEverywhere(true);
    const bool started = start();
    SuspendKeysEverywhere(false);
    if (!started) {
        DropHandOverEnds();
        return false;
    }
    // Every loop ends with the quit, and the program with the host's: the
    // windows save once more as they go, the same values.
    CancelSettings();
    ::PostQuitMessage(0);
    return true;
}
