#include "update/UpdateCheck.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <string>

#include "framework/Internet.h"
#include "framework/MessageBox.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "update/UpdateReply.h"

#if defined(_MSC_VER)
#include <intshcut.h>
#else
extern "C" BOOL WINAPI InetIsOffline(DWORD dwFlags);
#endif

#ifndef TAVORIN_UPDATE_HOST
#define TAVORIN_UPDATE_HOST "update.melkbay.example"
#endif

namespace {

constexpr DWORD_PTR kContext = 1;
// A silent server must not keep the question open for long.
constexpr DWORD kTimeoutMilliseconds = 5000;
// The server writes its messages in the Korean code page, whatever the system's is.
constexpr UINT kReplyCodePage = 949;

std::wstring Widen(const std::string& text, UINT codePage)
{
    if (text.empty()) return {};
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const std::wstring& ascii)
{
    return std::string(ascii.begin(), ascii.end());
}

// The reply's first line, or nothing when the read failed or the body ended
// before the length the server announced.
std::optional<std::string> ReadReplyLine(CInternetFile& file)
{
    ReplyLineReader reader;
    char buffer[512];
    for (;;) {
        const std::size_t room = kMaxReplyLineBytes - reader.BytesTaken();
        DWORD read = 0;
        if (!file.Read(buffer, static_cast<DWORD>(std::min(sizeof buffer, room)), &read)) return std::nullopt;
        if (read == 0) {
            const std::optional<unsigned long long> length = file.ContentLength();
            if (length && reader.BytesTaken() < *length) return std::nullopt;
            return reader.Line();
        }
        if (!reader.Feed(buffer, read)) return reader.Line();
    }
}

void OpenInBrowser(const std::wstring& url)
{
    // The shell may hand the URL on through COM.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ::ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) ::CoUninitialize();
}

}  // namespace

UINT UpdateCheckWorker(LPVOID)
{
    const MessageBoxContext boxes = CurrentMessageBoxContext();
    if (::InetIsOffline(0)) return 0;

    const std::string version = Narrow(LoadResourceString(IDS_VERSION));
    const std::wstring queryUrl = Widen(UpdateQueryUrl(TAVORIN_UPDATE_HOST, version), CP_ACP);
    const std::wstring downloadUrl = Widen(DownloadPageUrl(TAVORIN_UPDATE_HOST, version), CP_ACP);

    CInternetSession session(boxes.caption.c_str(), kContext);
    if (!session.IsOpen()) return 0;
    session.SetTimeouts(kTimeoutMilliseconds);

    std::string line;
    if (std::unique_ptr<CInternetFile> reply = session.OpenURL(queryUrl.c_str(), kContext,
                                                               INTERNET_FLAG_TRANSFER_ASCII)) {
        const std::optional<std::string> read = ReadReplyLine(*reply);
        if (!read) return 0;
        line = *read;
    }

    const UpdateReply answer = ParseUpdateReply(line);
    switch (answer.kind) {
    case UpdateReplyKind::NewVersion:
        if (AfxMessageBox(boxes, L"최신버전을 다운 받으시겠습니까?", MB_YESNO) == IDYES) {
            AfxMessageBox(boxes, L"최신버전을 받기 위해서, 프로그램을 종료합니다.");
            OpenInBrowser(downloadUrl);
            // The host saves the slots and ends the program; this waits until it has.
            if (boxes.hWndMain) ::SendMessageW(boxes.hWndMain, WM_CLOSE, 0, 0);
        }
        return 1;
    case UpdateReplyKind::Message:
        AfxMessageBox(boxes, Widen(answer.message, kReplyCodePage));
        return 0;
    case UpdateReplyKind::Nothing:
        break;
    }
    return 0;
}
