#include "sets/SetGone.h"

#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "res/resource.h"

void TellSetGone(const std::wstring& name)
{
    AfxMessageBox(CurrentMessageBoxContext(), FormatResourceString(IDS_SET_GONE, {name}), MB_OK | MB_ICONEXCLAMATION);
}
