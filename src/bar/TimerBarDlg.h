// The timer bar: the program's visible main window with the nine slots.
#pragma once

#include "app/ProgramDialog.h"

class CTimerBarDlg : public CProgramDialog {
public:
    explicit CTimerBarDlg(CWnd* pParent = nullptr);
};
