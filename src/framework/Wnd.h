// A window object bound to its HWND from the moment the window is created, with
// virtual message handling. Stands in for the application framework's CWnd.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

// A key message decoded once (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP).
struct KeyEvent {
    unsigned key;  // the virtual-key code
    bool down;
    bool repeat;   // a press of a key already down: the keyboard's auto-repeat
    bool system;   // WM_SYSKEYDOWN or WM_SYSKEYUP (Alt held, or F10)
};
KeyEvent KeyEventOf(UINT message, WPARAM wParam, LPARAM lParam);
// The message a KeyEvent came from.
UINT KeyMessageOf(const KeyEvent& event);

// A press or release of the middle or a side button, by its virtual-key code
// (VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2).
struct ButtonEvent {
    unsigned key;
    bool down;
};

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // The object bound to a window of this program, or null.
    static CWnd* FromHandle(HWND hWnd);

    // Binds this object to an existing window, such as a dialog's control; its
    // messages reach OnWndMsg first, then the control's own procedure.
    BOOL SubclassWindow(HWND hWnd);

    // Last look at a queued message before it is dispatched; TRUE discards it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL DestroyWindow() { return ::DestroyWindow(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    RECT GetWindowRect() const;
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
    {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    BOOL MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE)
    {
        return ::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
    }
    // Changes the extended style; flags other than 0 also refresh the frame.
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    // Repaints always cover the whole window, so nothing is ever erased.
    void Invalidate() { ::InvalidateRect(m_hWnd, nullptr, FALSE); }

protected:
    // Dispatches one message; the default hands it to OnWndMsg, then Default.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Returns true when the message was handled, with its result in *result.
    // Sends the messages the program's windows handle to the handlers below.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // One handler per message; each one here is the window's default
    // processing, which an override calls when it wants it as well.
    virtual int OnCreate() { return static_cast<int>(Default()); }
    virtual void OnPaint() { Default(); }
    virtual void OnTimer(UINT_PTR) { Default(); }
    virtual void OnLButtonDown(POINT) { Default(); }
    virtual void OnLButtonUp(POINT) { Default(); }
    virtual void OnLButtonDblClk(POINT) { Default(); }
    virtual void OnRButtonDown(POINT) { Default(); }
    virtual void OnRButtonUp(POINT) { Default(); }
    virtual void OnMouseMove(POINT) { Default(); }
    // The pointer left the window, as TrackMouseEvent asked to be told.
    virtual void OnMouseLeave() { Default(); }
    // delta in wheel units; the point in screen coordinates
    virtual BOOL OnMouseWheel(short, POINT) { return static_cast<BOOL>(Default()); }
    virtual void OnKey(const KeyEvent&) { Default(); }
    virtual void OnOtherButton(const ButtonEvent&) { Default(); }
    // Activated, or (false) another window was.
    virtual void OnActivate(bool /*active*/) { Default(); }
    // The system is back from sleep.
    virtual void OnPowerResume() { Default(); }
    // A change of the Windows session (WTS_SESSION_UNLOCK, ...), where the
    // window asked for them.
    virtual void OnSessionChange(UINT /*event*/) { Default(); }
    // Windows asks whether the session may end (true: it may), then says
    // whether it ends.
    virtual bool OnQueryEndSession() { return Default() != FALSE; }
    virtual void OnEndSession(bool /*ending*/) { Default(); }
    virtual void OnShowWindow(BOOL) { Default(); }
    virtual void OnSysCommand(UINT) { Default(); }
    virtual void OnDisplayChange() { Default(); }
    // The mouse capture went to hWndNew (null: released), or the system
    // cancels every mode (a message box appears, Alt+Tab).
    virtual void OnCaptureChanged(HWND /*hWndNew*/) { Default(); }
    virtual void OnCancelMode() { Default(); }
    virtual void OnClose() { Default(); }
    virtual void OnDestroy() { Default(); }
    // The window's default processing of the message being handled.
    LRESULT Default();
    // Runs after the window's last message; the object may delete itself here.
    virtual void PostNcDestroy() {}

    // Binds this object to the next window the calling thread creates, before
    // that window sees its first message. The unhook says whether it was bound.
    void HookWindowCreate();
    static bool UnhookWindowCreate();

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hWnd);
    void Detach();

    WNDPROC m_pfnSuper = nullptr;
};

// The client point of a mouse message; negative outside the window while the
// mouse is captured.
inline POINT PointFromLParam(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The window's rectangle on the screen (empty for no window).
RECT WindowRectOf(HWND hWnd);
// A window's whole text.
std::wstring WindowText(HWND hWnd);

// Whether a window belongs to this program (the foreground window may be any program's).
inline bool IsWindowOfThisProcess(HWND hWnd)
{
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    return process == ::GetCurrentProcessId();
}

// Offers a queued message to the windows it concerns, innermost first, up to
// the top-level window and its owners; TRUE when one of them took it.
BOOL WalkPreTranslateTree(MSG* pMsg);
