#include "common/ShapeWarningChoice.h"

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"

void ApplyShapeWarning(bool on)
{
    if (on == IsShapeWarningOn()) return;
    StoreShapeWarning(on);
    if (HWND hWndBar = CProgramDialog::BarWindow()) ::InvalidateRect(hWndBar, nullptr, FALSE);
}
