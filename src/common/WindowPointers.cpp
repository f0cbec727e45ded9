#include "common/WindowPointers.h"

CTimerBarDlg* g_pTimerBarDlg = nullptr;
CTimerEditDlg* g_pTimerEditDlg = nullptr;
