#include "framework/ResourceLanguage.h"


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
    HMODULE module = ::GetModuleHandleW(nullptr);  // the program's resources are in its own module
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

std::wstring LoadResourceString(UINT id)
{
    // A string table holds sixteen strings, each its length and its characters.
    DWORD size = 0;
    const auto* block = static_cast<const wchar_t*>(LockLanguageResource(RT_STRING, id / 16 + 1, &size));
    const wchar_t* end = block ? block + size / sizeof(wchar_t) : nullptr;
    for (UINT at = 0; block && block < end; ++at) {
        const std::size_t length = static_cast<std::size_t>(*block++);
        if (length > static_cast<std::size_t>(end - block)) break;
        if (at == id % 16) return std::wstring(block, length);
        block += length;
    }
    return std::wstring();
}

std::wstring FormatResourceString(UINT id, std::initializer_list<std::wstring> values)
{
    const std::wstring format = LoadResourceString(id);
    // FormatMessage places every insert in one pass over the format, so an
    // insert that itself holds "%2" stays as written. A placeholder with no
    // value given reads an empty one.
    constexpr std::size_t kInserts = 9;
    DWORD_PTR arguments[kInserts] = {};
    std::size_t count = 0;
    for (const std::wstring& value : values) {
        if (count < kInserts) arguments[count++] = reinterpret_cast<DWORD_PTR>(value.c_str());
    }
    for (; count < kInserts; ++count) arguments[count] = reinterpret_cast<DWORD_PTR>(L"");
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | FORMAT_MESSAGE_ALLOCATE_BUFFER, format.c_str(),
        0, 0, reinterpret_cast<wchar_t*>(&text), 0, reinterpret_cast<va_list*>(arguments));
    if (length == 0 || !text) return format;
    std::wstring result(text, length);
    ::LocalFree(text);
    return result;
}
