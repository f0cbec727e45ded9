#include "PixelBuffer.h"

#include <cstring>

PixelBuffer::PixelBuffer(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_hDC = ::CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_pBits = static_cast<std::uint32_t*>(bits);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) Set(x, y, (GetRValue(fill) << 16) | (GetGValue(fill) << 8) | GetBValue(fill));
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
    ::GdiFlush();
    return m_pBits[y * m_width + x] & 0xFFFFFF;
}

void PixelBuffer::Set(int x, int y, std::uint32_t rgb)
{
    ::GdiFlush();
    m_pBits[y * m_width + x] = rgb;
}

bool PixelBuffer::SameAs(const PixelBuffer& other) const
{
    ::GdiFlush();
    if (m_width != other.m_width || m_height != other.m_height) return false;
    for (int i = 0; i < m_width * m_height; ++i) {
        if ((m_pBits[i] & 0xFFFFFF) != (other.m_pBits[i] & 0xFFFFFF)) return false;
    }
    return true;
}

HiddenWindow::HiddenWindow(int width, int height)
    : m_hWnd(::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                               nullptr, nullptr))
{
}
