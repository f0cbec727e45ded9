// A DIB section of any depth in its own memory DC, read back through GetPixel
// so that an expected picture goes through the same colour rounding as a drawn one.
#pragma once

#include <windows.h>

#include <cstdint>

class PixelBuffer {
public:
    PixelBuffer(int width, int height, std::uint32_t fill = 0xFFFFFF, int bitsPerPixel = 32);
    ~PixelBuffer();
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    HDC dc() const { return m_hDC; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    // 0xRRGGBB of a pixel.
    std::uint32_t At(int x, int y) const;
    void Set(int x, int y, std::uint32_t rgb);
    bool SameAs(const PixelBuffer& other) const;

private:
    int m_width;
    int m_height;
    HDC m_hDC;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

// A window's client area as it shows now, painted first.
void CaptureClient(HWND hWnd, PixelBuffer& buffer);

// A hidden pop-up window to lend its DC.
class HiddenWindow {
public:
    HiddenWindow(int width = 480, int height = 100);
    ~HiddenWindow() { ::DestroyWindow(m_hWnd); }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;
    operator HWND() const { return m_hWnd; }

private:
    HWND m_hWnd;
};
