// The tooltip over the bar's title: what the light after it means and what
// to do. Made at its first text (comctl32 loaded then, never at start-up);
// it goes with the bar, which owns it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

class CTitleTip {
public:
    // Over `area` of the bar's client (at its scale); an empty text shows none.
    void Show(HWND hWndBar, const RECT& area, const std::wstring& text);
    // The pointer's moves over the bar, handed on as they come. (Not by the
    // tooltip's own subclassing: it would stand between the bar's window
    // procedure and the messages the bar handles itself.)
    void Relay(HWND hWndBar);
    const std::wstring& Text() const { return m_text; }

private:
    HWND m_hWnd = nullptr;
    std::wstring m_text;  // held while the tooltip points at it
};
