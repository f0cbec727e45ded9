// The program's two visible windows, null while the window does not exist.
// Each is set before its window is created and cleared after its last message.
#pragma once

class CTimerBarDlg;
class CTimerEditDlg;

extern CTimerBarDlg* g_pTimerBarDlg;
extern CTimerEditDlg* g_pTimerEditDlg;
