#include "PixelBuffer.h"

PixelBuffer::PixelBuffer(int width, int height, std::uint32_t fill, int bitsPerPixel)
    : m_width(width), m_height(height), m_hDC(::CreateCompatibleDC(nullptr))
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(bitsPerPixel), BI_RGB,
                      0, 0, 0, 0, 0};
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) Set(x, y, fill);
    }
}

PixelBuffer::~PixelBuffer()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

std::uint32_t PixelBuffer::At(int x, int y) const
{
    const COLORREF colour = ::GetPixel(m_hDC, x, y);
    return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

void PixelBuffer::Set(int x, int y, std::uint32_t rgb)
{
    ::SetPixelV(m_hDC, x, y, RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF));
}

bool PixelBuffer::SameAs(const PixelBuffer& other) const
{
    if (m_width != other.m_width || m_height != other.m_height) return false;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (At(x, y) != other.At(x, y)) return false;
        }
    }
    return true;
}

HiddenWindow::HiddenWindow(int width, int height)
    : m_hWnd(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                               nullptr, nullptr))
{
}

void CaptureClient(HWND hWnd, PixelBuffer& buffer)
{
    ::UpdateWindow(hWnd);
    HDC dc = ::GetDC(hWnd);
    ::BitBlt(buffer.dc(), 0, 0, buffer.width(), buffer.height(), dc, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, dc);
}
