#include "framework/ResourceLanguage.h"

#include "framework/WinApp.h"

namespace {

LANGID g_language = LANG_NEUTRAL;  // none chosen: the module's own pick
LANGID g_systemTexts = 0;

HRSRC FindInLanguage(HMODULE module, const wchar_t* type, UINT id)
{
    if (g_language != LANG_NEUTRAL) {
        if (HRSRC found = ::FindResourceExW(module, type, MAKEINTRESOURCEW(id), g_language)) return found;
    }
    return ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
}

}  // namespace

void SetResourceLanguage(LANGID language, LANGID systemTexts)
{
    g_language = language;
    g_systemTexts = systemTexts;
    FollowResourceLanguage();
}

void FollowResourceLanguage()
{
    ::SetThreadUILanguage(g_systemTexts);
}

LANGID ResourceLanguage()
{
    return g_language;
}

LANGID SystemTextsLanguage()
{
    return g_systemTexts;
}

const void* LockLanguageResource(const wchar_t* type, UINT id, DWORD* size)
{
    HMODULE module = AfxGetInstanceHandle();
    HRSRC found = FindInLanguage(module, type, id);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    if (size) *size = found ? ::SizeofResource(module, found) : 0;
    return loaded ? ::LockResource(loaded) : nullptr;
}

const DLGTEMPLATE* LanguageDialogTemplate(UINT nIDTemplate)
{
    return static_cast<const DLGTEMPLATE*>(LockLanguageResource(RT_DIALOG, nIDTemplate));
}

HBITMAP LoadLanguageBitmap(UINT nIDBitmap)
{
    DWORD size = 0;
    const auto* info = static_cast<const BITMAPINFO*>(LockLanguageResource(RT_BITMAP, nIDBitmap, &size));
    if (!info || size < sizeof(BITMAPINFOHEADER) || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER)) return nullptr;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    // The pixels follow the header, the masks of a bit-field bitmap and the colour table.
    DWORD colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) colours = 1u << header.biBitCount;
    DWORD offset = header.biSize + colours * sizeof(RGBQUAD);
    if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER)) offset += 3 * sizeof(DWORD);
    if (offset >= size) return nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateDIBitmap(screen, &header, CBM_INIT, reinterpret_cast<const BYTE*>(info) + offset, info,
                                      DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}
