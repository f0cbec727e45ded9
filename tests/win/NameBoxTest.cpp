// The name box takes only what the ANSI code page (949 here) can store.
#include "ProgramWindows.h"

#include <cstring>

namespace {

void PutOnClipboard(const std::wstring& text)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(::GlobalLock(hData), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_UNICODETEXT, hData);
    ::CloseClipboard();
}

}  // namespace

class NameBox : public ProgramWindows {};

TEST_F(NameBox, RefusesWhatTheCodePageCannotHold)
{
    ASSERT_EQ(::GetACP(), 949u);
    OpenEditor(0);
    HWND hWndName = ::GetDlgItem(Editor(), IDC_NAME_EDIT);
    ::SetWindowTextW(hWndName, L"물약");
    ::SendMessageW(hWndName, EM_SETSEL, 2, 2);
    for (wchar_t typed : {L'\u0E01', L'\xD83D', L'\xDE00', L'\u4E00', L'a'}) {  // Thai, an emoji's halves, CJK, a
        ::SendMessageW(hWndName, WM_CHAR, typed, 0);
    }
    EXPECT_EQ(WindowText(hWndName), L"물약\u4E00a") << "a hanja of the code page goes in, Thai and emoji do not";

    ::SetWindowTextW(hWndName, L"");
    PutOnClipboard(L"해독\u0E01제");
    ::SendMessageW(hWndName, WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(hWndName), L"해독") << "a paste ends before what cannot be kept";
}
