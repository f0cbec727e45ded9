// Owners of GDI objects and device contexts: each deletes its handle when it
// goes, and none can be copied (a copy would delete twice).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

template <typename Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    operator Handle() const { return m_hObject; }
    Handle GetSafeHandle() const { return m_hObject; }
    bool Attach(Handle hObject)
    {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }
    void DeleteObject()
    {
        if (m_hObject) ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }

protected:
    Handle m_hObject = nullptr;
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    // From the program's own resources.
    bool LoadBitmap(UINT nIDResource);
    bool CreateCompatibleBitmap(HDC hDC, int width, int height)
    {
        return Attach(::CreateCompatibleBitmap(hDC, width, height));
    }
    // Width and height, or 0 x 0 without a bitmap.
    SIZE GetSize() const;
};

class CFont : public CGdiObject<HFONT> {
public:
    bool CreateFontW(int height, int weight, BYTE charSet, const wchar_t* faceName)
    {
        return Attach(::CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, charSet, 0, 0, 0, 0, faceName));
    }
};

class CPen : public CGdiObject<HPEN> {
public:
    bool CreatePen(int style, int width, COLORREF colour) { return Attach(::CreatePen(style, width, colour)); }
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    bool CreateSolidBrush(COLORREF colour) { return Attach(::CreateSolidBrush(colour)); }
};

// A memory device context owned by the program.
class CDC {
public:
    CDC() = default;
    ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    operator HDC() const { return m_hDC; }
    bool CreateCompatibleDC(HDC hDC)
    {
        DeleteDC();
        m_hDC = ::CreateCompatibleDC(hDC);
        return m_hDC != nullptr;
    }
    void DeleteDC()
    {
        if (m_hDC) ::DeleteDC(m_hDC);
        m_hDC = nullptr;
    }

private:
    HDC m_hDC = nullptr;
};

// The paint DC of one WM_PAINT.
class CPaintDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::BeginPaint(hWnd, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_hDC; }
    // The part of the window this paint must cover.
    const RECT& PaintRect() const { return m_ps.rcPaint; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
    HDC m_hDC;
};

// A window's DC, borrowed for the guard's lifetime.
class CWindowDC {
public:
    explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    ~CWindowDC()
    {
        if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

// Selects an object into a DC and puts the one it replaced back at the end.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(hDC && hObject ? ::SelectObject(hDC, hObject) : nullptr)
    {
    }
    ~CSelectObject()
    {
        if (m_hOld) ::SelectObject(m_hDC, m_hOld);
    }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;
    // Whether the selection took place.
    explicit operator bool() const { return m_hOld != nullptr; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
