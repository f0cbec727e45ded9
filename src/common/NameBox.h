// The editor's name box: an edit control that takes at most kNameByteLimit
// bytes of the ANSI code page, however they are entered (typing, the input
// method, pasting). A paste is cut on a character boundary.
#pragma once

#include "framework/Wnd.h"

class CNameBox : public CWnd {
protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Paste();
    // The control's own handling of a message that may add text, undone when
    // it would take the name past the limit.
    LRESULT GuardedDefault();
};
