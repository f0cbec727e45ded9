#include "skin/Blit.h"

#include <algorithm>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// dest AND NOT source
constexpr DWORD kDestAndNotSource = 0x00220326;

// A mask's bits reach a colour DC as black (0) and white (1) only with these
// colours; they are set for the transfer and put back.
class MaskColours {
public:
    explicit MaskColours(HDC hDC)
        : m_hDC(hDC), m_text(::SetTextColor(hDC, kBlack)), m_back(::SetBkColor(hDC, kWhite))
    {
    }
    ~MaskColours()
    {
        ::SetTextColor(m_hDC, m_text);
        ::SetBkColor(m_hDC, m_back);
    }
    MaskColours(const MaskColours&) = delete;
    MaskColours& operator=(const MaskColours&) = delete;

private:
    HDC m_hDC;
    COLORREF m_text;
    COLORREF m_back;
};

// A 32-bit copy of the bitmap with each pixel but the key colour's halfway to white.
HBITMAP FadedCopy(HDC referenceDC, HBITMAP hSprite, int width, int height, COLORREF keyColour)
{
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP copy = ::CreateDIBSection(referenceDC, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!copy) return nullptr;
    if (::GetDIBits(referenceDC, hSprite, 0, static_cast<UINT>(height), bits, &format, DIB_RGB_COLORS) != height) {
        ::DeleteObject(copy);
        return nullptr;
    }
    const DWORD key = (DWORD{GetRValue(keyColour)} << 16) | (DWORD{GetGValue(keyColour)} << 8) | GetBValue(keyColour);
    auto* pixel = static_cast<DWORD*>(bits);
    for (int at = 0; at < width * height; ++at, ++pixel) {
        if ((*pixel & 0xFFFFFF) == key) continue;
        DWORD faded = 0;
        for (int shift = 0; shift < 24; shift += 8) faded |= ((((*pixel >> shift) & 0xFF) + 255) / 2) << shift;
        *pixel = faded;
    }
    return copy;
}

}  // namespace

bool KeyedSprite::Prepare(HDC referenceDC, HBITMAP hSprite, COLORREF keyColour, bool faded)
{
    Release();
    BITMAP info{};
    if (!hSprite || !::GetObjectW(hSprite, sizeof info, &info)) return false;
    const int width = info.bmWidth;
    const int height = info.bmHeight;
    if (faded) {
        CBitmap copy;
        if (!copy.Attach(FadedCopy(referenceDC, hSprite, width, height, keyColour))) return false;
        return Prepare(referenceDC, copy, keyColour);
    }

    CDC spriteDC;
    if (!spriteDC.CreateCompatibleDC(referenceDC) || !m_dcMask.CreateCompatibleDC(referenceDC) ||
        !m_dcColour.CreateCompatibleDC(referenceDC) ||
        !m_bmpMask.Attach(::CreateBitmap(width, height, 1, 1, nullptr)) ||
        !m_bmpColour.CreateCompatibleBitmap(referenceDC, width, height)) {
        Release();
        return false;
    }
    CSelectObject selectSprite(spriteDC, hSprite);
    m_hOldMask = ::SelectObject(m_dcMask, m_bmpMask);
    m_hOldColour = ::SelectObject(m_dcColour, m_bmpColour);
    if (!selectSprite || !m_hOldMask || !m_hOldColour) {
        Release();
        return false;
    }

    // Mask: the key colour as background becomes 1, everything else 0.
    ::SetBkColor(spriteDC, keyColour);
    ::BitBlt(m_dcMask, 0, 0, width, height, spriteDC, 0, 0, SRCCOPY);
    // Image: the sprite with its key pixels turned black.
    ::BitBlt(m_dcColour, 0, 0, width, height, spriteDC, 0, 0, SRCCOPY);
    MaskColours colours(m_dcColour);
    ::BitBlt(m_dcColour, 0, 0, width, height, m_dcMask, 0, 0, kDestAndNotSource);
    m_size = {width, height};
    m_bReady = true;
    return true;
}

void KeyedSprite::Release()
{
    // The bitmaps leave their DCs before either is deleted.
    if (m_hOldMask) ::SelectObject(m_dcMask, m_hOldMask);
    if (m_hOldColour) ::SelectObject(m_dcColour, m_hOldColour);
    m_hOldMask = m_hOldColour = nullptr;
    m_dcMask.DeleteDC();
    m_dcColour.DeleteDC();
    m_bmpMask.DeleteObject();
    m_bmpColour.DeleteObject();
    m_size = {0, 0};
    m_bReady = false;
}

void KeyedSprite::Draw(HDC destDC, int x, int y, int width, int height) const
{
    if (!m_bReady) return;
    width = std::min<int>(width, m_size.cx);
    height = std::min<int>(height, m_size.cy);
    MaskColours colours(destDC);
    // Black where the sprite has its own pixels, the destination elsewhere;
    // then the sprite's pixels added in: its black key pixels add nothing.
    ::BitBlt(destDC, x, y, width, height, m_dcMask, 0, 0, SRCAND);
    ::BitBlt(destDC, x, y, width, height, m_dcColour, 0, 0, SRCPAINT);
}

void DrawFrameRect(HDC hDC, RECT rect)
{
    ::MoveToEx(hDC, rect.left, rect.top, nullptr);
    ::LineTo(hDC, rect.right, rect.top);
    ::LineTo(hDC, rect.right, rect.bottom);
    ::LineTo(hDC, rect.left, rect.bottom);
    ::LineTo(hDC, rect.left, rect.top);
}
