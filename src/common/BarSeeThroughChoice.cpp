#include "common/BarSeeThroughChoice.h"

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"

void ApplyBarSeeThrough(std::int32_t opacity, bool clickThrough)
{
    const bool changes = opacity != BarOpacity() || clickThrough != IsOptionOn(ClickThrough);
    if (!changes) return;
    StoreBarOpacity(opacity);  // written only where it changed
    if (clickThrough != IsOptionOn(ClickThrough)) StoreOption(ClickThrough, clickThrough);
    if (HWND hWndBar = CProgramDialog::BarWindow()) ::SendMessageW(hWndBar, kSeeThroughMessage, 0, 0);
}
