#include "common/NameBox.h"

#include <string>

#include "model/NameLimit.h"
#include "framework/CodePage.h"

namespace {

std::u16string TextOf(HWND hWnd)
{
    const std::wstring text = WindowText(hWnd);
    return std::u16string(text.begin(), text.end());
}

// The clipboard's text up to its first line break: a one-line box takes one line.
std::u16string ClipboardLine(HWND hWnd)
{
    std::u16string line;
    if (!::OpenClipboard(hWnd)) return line;
    if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const char16_t*>(::GlobalLock(hData))) {
            const std::size_t capacity = ::GlobalSize(hData) / sizeof(char16_t);
            for (std::size_t i = 0; i < capacity && text[i] && text[i] != u'\r' && text[i] != u'\n'; ++i) {
                line.push_back(text[i]);
            }
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return line;
}

}  // namespace

bool CNameBox::OnWndMsg(UINT message, WPARAM, LPARAM, LRESULT* result)
{
    switch (message) {
    case WM_PASTE:
        Paste();
        *result = 0;
        return true;
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case EM_REPLACESEL:
    case WM_UNDO:
    case EM_UNDO:
        *result = GuardedDefault();
        return true;
    default:
        return false;
    }
}

void CNameBox::Paste()
{
    const std::u16string line = ClipboardLine(m_hWnd);
    DWORD selStart = 0;
    DWORD selEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const std::size_t fitting = FittingInsertion(TextOf(m_hWnd), selStart, selEnd, line, kNameByteLimit, AnsiCharBytes);
    if (fitting < line.size()) ::MessageBeep(MB_OK);
    if (fitting == 0) return;
    const std::wstring inserted(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(fitting));
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(inserted.c_str()));
}

LRESULT CNameBox::GuardedDefault()
{
    const std::u16string before = TextOf(m_hWnd);
    DWORD selStart = 0;
    DWORD selEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const LRESULT result = Default();

    const std::u16string after = TextOf(m_hWnd);
    const std::int32_t bytes = TextBytes(after, AnsiCharBytes);
    // A name already too long (stored by an older version) may still shrink;
    // a character the code page cannot hold never goes in: it would be kept as "?".
    if ((bytes > kNameByteLimit && bytes > TextBytes(before, AnsiCharBytes)) || !IsStorableText(after, AnsiCharBytes)) {
        const std::wstring restored(before.begin(), before.end());
        ::SetWindowTextW(m_hWnd, restored.c_str());
        SendMessage(EM_SETSEL, selStart, selEnd);
        ::MessageBeep(MB_OK);
    }
    return result;
}
