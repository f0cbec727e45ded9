#include "skin/Region.h"

#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "skin/WinRect.h"

namespace {

constexpr DWORD kHeaderBytes = sizeof(RGNDATAHEADER);

DWORD BlockBytes(std::int32_t capacity)
{
    return kHeaderBytes + sizeof(RECT) * static_cast<DWORD>(capacity);
}

// The batch buffer: one movable global memory block holding an RGNDATA, and
// the region the batches have been merged into so far.
class GlobalRegionBlock final : public RectBatchStore {
public:
    GlobalRegionBlock()
    {
        m_hBlock = ::GlobalAlloc(GMEM_MOVEABLE, BlockBytes(kRectCapacityStep));
        if (m_hBlock) m_pData = static_cast<RGNDATA*>(::GlobalLock(m_hBlock));
        if (m_pData) {
            m_pData->rdh.dwSize = kHeaderBytes;
            m_pData->rdh.iType = RDH_RECTANGLES;
            m_pData->rdh.nCount = 0;
            m_pData->rdh.nRgnSize = 0;
        }
    }
    ~GlobalRegionBlock() override
    {
        if (m_pData) ::GlobalUnlock(m_hBlock);
        if (m_hBlock) ::GlobalFree(m_hBlock);
        if (m_hResult) ::DeleteObject(m_hResult);
    }
    GlobalRegionBlock(const GlobalRegionBlock&) = delete;
    GlobalRegionBlock& operator=(const GlobalRegionBlock&) = delete;

    bool Usable() const { return m_pData != nullptr; }
    HRGN TakeResult()
    {
        HRGN hResult = m_hResult;
        m_hResult = nullptr;
        return hResult;
    }

    bool Grow(std::int32_t capacity) override
    {
        ::GlobalUnlock(m_hBlock);
        m_pData = nullptr;
        HGLOBAL hGrown = ::GlobalReAlloc(m_hBlock, BlockBytes(capacity), GMEM_MOVEABLE);
        if (hGrown) m_hBlock = hGrown;  // on failure the old block is still ours to free
        m_pData = static_cast<RGNDATA*>(::GlobalLock(m_hBlock));
        return hGrown && m_pData;
    }

    void Put(std::int32_t index, const RegionRect& rect) override
    {
        reinterpret_cast<RECT*>(m_pData->Buffer)[index] = ToRect(rect);
    }

    void Flush(std::int32_t count, const RegionRect& bounds, std::int32_t capacity) override
    {
        m_pData->rdh.nCount = static_cast<DWORD>(count);
        m_pData->rdh.rcBound = ToRect(bounds);
        HRGN hBatch = ::ExtCreateRegion(nullptr, BlockBytes(capacity), m_pData);
        if (!hBatch) return;  // this batch adds nothing; later ones still count
        if (!m_hResult) {
            m_hResult = hBatch;
        } else {
            ::CombineRgn(m_hResult, m_hResult, hBatch, RGN_OR);
            ::DeleteObject(hBatch);
        }
    }

private:
    HGLOBAL m_hBlock = nullptr;
    RGNDATA* m_pData = nullptr;
    HRGN m_hResult = nullptr;
};

}  // namespace

bool ScanBitmapRuns(HBITMAP hBitmap, COLORREF keyColour, COLORREF tolerance, RectBatcher& batcher)
{
    if (!hBitmap) return false;
    CDC dcCopy;
    if (!dcCopy.CreateCompatibleDC(nullptr)) return false;

    BITMAP source{};
    ::GetObjectW(hBitmap, sizeof source, &source);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = source.bmWidth;
    header.biHeight = source.bmHeight;  // positive: bottom-up
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    void* pBits = nullptr;
    CGdiObject<HBITMAP> dib;
    dib.Attach(::CreateDIBSection(dcCopy, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!dib.GetSafeHandle() || !pBits) return false;

    CSelectObject selectDib(dcCopy, dib);
    CDC dcSource;
    if (!dcSource.CreateCompatibleDC(dcCopy)) return false;

    BITMAP copy{};
    ::GetObjectW(dib, sizeof copy, &copy);
    std::int32_t stride = copy.bmWidthBytes;
    while (stride % 4 != 0) ++stride;

    {
        CSelectObject selectSource(dcSource, hBitmap);
        ::BitBlt(dcCopy, 0, 0, source.bmWidth, source.bmHeight, dcSource, 0, 0, SRCCOPY);
    }
    ::GdiFlush();  // the DIB's bits must hold the copy before they are read
    return ScanRegionRuns(static_cast<const std::uint8_t*>(pBits), source.bmWidth, source.bmHeight, stride,
                          MakeKeyBounds(keyColour, tolerance), batcher);
}

HRGN CreateRegionFromBitmap(HBITMAP hBitmap, COLORREF keyColour, COLORREF tolerance)
{
    if (!hBitmap) return nullptr;
    GlobalRegionBlock block;
    if (!block.Usable()) return nullptr;
    RectBatcher batcher(block);
    if (!ScanBitmapRuns(hBitmap, keyColour, tolerance, batcher)) return nullptr;
    batcher.Flush();  // also an empty batch: a picture of key pixels only gives an empty region
    return block.TakeResult();
}

HRGN ScaleRegion(HRGN hRegion, int scale)
{
    if (!hRegion || scale <= 1) return hRegion;
    const DWORD bytes = ::GetRegionData(hRegion, 0, nullptr);
    HGLOBAL hBlock = bytes ? ::GlobalAlloc(GMEM_FIXED, bytes) : nullptr;
    auto* pData = static_cast<RGNDATA*>(hBlock);
    HRGN hScaled = nullptr;
    if (pData && ::GetRegionData(hRegion, bytes, pData) == bytes) {
        // Every rectangle times k, its edges too: each pixel becomes a k x k block.
        auto* rects = reinterpret_cast<RECT*>(pData->Buffer);
        for (DWORD i = 0; i < pData->rdh.nCount; ++i) {
            rects[i] = {rects[i].left * scale, rects[i].top * scale, rects[i].right * scale, rects[i].bottom * scale};
        }
        RECT& bound = pData->rdh.rcBound;
        bound = {bound.left * scale, bound.top * scale, bound.right * scale, bound.bottom * scale};
        hScaled = ::ExtCreateRegion(nullptr, bytes, pData);
    }
    if (hBlock) ::GlobalFree(hBlock);
    ::DeleteObject(hRegion);
    return hScaled;
}

BOOL ShapeWindowFromBitmap(HWND hWnd, WORD bitmapId, COLORREF keyColour, int scale)
{
    CBitmap bitmap;
    bitmap.LoadBitmap(bitmapId);
    ::SetWindowRgn(hWnd, ScaleRegion(CreateRegionFromBitmap(bitmap, keyColour, keyColour), scale), TRUE);
    return TRUE;
}
