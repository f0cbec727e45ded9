// A window's drawn parts for a screen reader: the window answers WM_GETOBJECT
// for its client area with an MSAA object (IAccessible) whose children are
// the parts it names. The object reads the parts when a reader asks, so it
// is never out of date; the window tells readers when a part changes.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

struct AccessiblePart {
    std::wstring name;
    std::wstring value;
    std::wstring defaultAction;  // none where empty
    std::wstring shortcut;
    DWORD role = 0;   // ROLE_SYSTEM_...
    DWORD state = 0;  // STATE_SYSTEM_...
    RECT location{};  // screen pixels
};

class AccessibleParts {
public:
    virtual ~AccessibleParts() = default;
    // Child 0 is the client area itself; 1 to PartCount() its parts.
    virtual int PartCount() const = 0;
    virtual AccessiblePart Part(int child) const = 0;
    virtual bool DoDefaultAction(int child) = 0;
};

class CAccessibleWindow {
public:
    CAccessibleWindow() = default;
    // A reader still holding the object gets "disconnected", never a dead window.
    ~CAccessibleWindow();
    CAccessibleWindow(const CAccessibleWindow&) = delete;
    CAccessibleWindow& operator=(const CAccessibleWindow&) = delete;

    // WM_GETOBJECT: the client area's object for a reader, 0 for any other
    // object asked for (the system answers those). `parts` lives as long as
    // the window.
    LRESULT Answer(HWND hWnd, WPARAM wParam, LPARAM lParam, AccessibleParts& parts);
    // Tells the readers listening that a part's value, name or state changed.
    static void TellValueChanged(HWND hWnd, int child);
    static void TellNameChanged(HWND hWnd, int child);
    static void TellStateChanged(HWND hWnd, int child);
    static void TellSelected(HWND hWnd, int child);

private:
    class CAccessibleObject* m_pObject = nullptr;
};
