#include "update/UpdateCheck.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "framework/CodePage.h"
#include "framework/Internet.h"
#include "framework/LateLibrary.h"
#include "framework/MessageBox.h"
#include "framework/ResourceLanguage.h"
#include "framework/Trace.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "update/UpdateReply.h"

// InetIsOffline, from url.dll (no import library names it everywhere).
using InetIsOfflineFunction = BOOL WINAPI(DWORD);

#ifndef TAVORIN_UPDATE_HOST
#define TAVORIN_UPDATE_HOST "update.melkbay.example"
#endif

namespace {

constexpr DWORD_PTR kContext = 1;
// A silent server must not keep the question open for long.
constexpr DWORD kTimeoutMilliseconds = 5000;
// The server writes its messages in the Korean code page, whatever the system's is.
constexpr UINT kReplyCodePage = 949;

std::string Narrow(const std::wstring& ascii)
{
    return std::string(ascii.begin(), ascii.end());
}

// The time since the check began, for its one deadline.
class CheckClock {
public:
    // How long the next step may take; 0 once the check is out of time.
    DWORD StepTimeout() const { return StepTimeoutMs(::GetTickCount64() - m_start, kTimeoutMilliseconds); }

private:
    ULONGLONG m_start = ::GetTickCount64();
};

// The reply's first line, or nothing when the read failed, the check ran out
// of time, or the body ended before the length the server announced.
std::optional<std::string> ReadReplyLine(CInternetFile& file, const CheckClock& clock)
{
    ReplyLineReader reader;
    char buffer[512];
    for (;;) {
        const DWORD timeout = clock.StepTimeout();
        if (timeout == 0) return std::nullopt;
        file.SetReceiveTimeout(timeout);
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

// The reply of the query URL. Redirects are followed here, not by WinINet,
// which would follow a server that redirects to itself for ever: at most
// kMaxRedirects of them, within the check's time. Null when there is no reply.
std::unique_ptr<CInternetFile> OpenQuery(CInternetSession& session, std::wstring url, const CheckClock& clock)
{
    for (int redirects = 0;; ++redirects) {
        const DWORD timeout = clock.StepTimeout();
        if (timeout == 0) {
            TRACE(L"update check: out of time before a request");
            return nullptr;
        }
        session.SetTimeouts(timeout);
        TRACE(L"update check: GET " + url);
        std::unique_ptr<CInternetFile> reply =
            session.OpenURL(url.c_str(), kContext, INTERNET_FLAG_TRANSFER_ASCII | INTERNET_FLAG_NO_AUTO_REDIRECT);
        if (!reply) {
            TRACE(L"update check: no reply, error " + std::to_wstring(::GetLastError()));
            return nullptr;
        }
        const std::optional<DWORD> status = reply->StatusCode();
        TRACE(L"update check: status " + std::to_wstring(status.value_or(0)));
        if (!status || !IsRedirectStatus(*status)) return reply;
        std::wstring next = reply->Location(url);
        if (next.empty()) return reply;  // nowhere to go: read like any other reply
        if (!IsFollowableAddress(next)) {
            TRACE(L"update check: a redirect to " + next + L" is not followed");
            return nullptr;
        }
        if (redirects == kMaxRedirects) {
            TRACE(L"update check: too many redirects");
            return nullptr;
        }
        url = std::move(next);
    }
}

void OpenInBrowser(const std::wstring& url)
{
    const CLateLibrary ole(L"ole32.dll");
    const CLateLibrary shell(L"shell32.dll");
    auto* comInitialize = ole.Get<decltype(::CoInitializeEx)>("CoInitializeEx");
    auto* comUninitialize = ole.Get<decltype(::CoUninitialize)>("CoUninitialize");
    auto* shellExecute = shell.Get<decltype(::ShellExecuteW)>("ShellExecuteW");
    if (!shellExecute) return;
    // The shell may hand the URL on through COM.
    const HRESULT com = comInitialize && comUninitialize
                            ? comInitialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                            : E_FAIL;
    shellExecute(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) comUninitialize();
}

}  // namespace

std::wstring UpdateMessageText(const std::string& message)
{
    return MultiByteToWide(message, kReplyCodePage);
}

UpdateCheckRequest* NewUpdateCheckRequest()
{
    return new UpdateCheckRequest{CurrentMessageBoxContext(), Narrow(LoadResourceString(IDS_VERSION))};
}

UINT UpdateCheckWorker(LPVOID parameter)
{
    const std::unique_ptr<UpdateCheckRequest> request(static_cast<UpdateCheckRequest*>(parameter));
    if (!request) return 0;
    FollowResourceLanguage();  // the boxes' buttons as the program's
    const MessageBoxContext& boxes = request->boxes;
    const std::string& version = request->version;
    const CheckClock clock;
    {
        const CLateLibrary url(L"url.dll");
        auto* isOffline = url.Get<InetIsOfflineFunction>("InetIsOffline");
        if (isOffline && isOffline(0)) {
            TRACE(L"update check: offline");
            return 0;
        }
    }

    const std::wstring queryUrl = MultiByteToWide(UpdateQueryUrl(TAVORIN_UPDATE_HOST, version), CP_ACP);
    const std::wstring downloadUrl = MultiByteToWide(DownloadPageUrl(TAVORIN_UPDATE_HOST, version), CP_ACP);

    CInternetSession session(boxes.caption.c_str(), kContext);
    if (!session.IsOpen()) {
        TRACE(L"update check: no internet session");
        return 0;
    }

    std::string line;
    if (std::unique_ptr<CInternetFile> reply = OpenQuery(session, queryUrl, clock)) {
        const std::optional<std::string> read = ReadReplyLine(*reply, clock);
        if (!read) {
            TRACE(L"update check: the reply could not be read whole, or in time");
            return 0;
        }
        line = *read;
    }

    const UpdateReply answer = ParseUpdateReply(line);
    TRACE(L"update check: reply kind " + std::to_wstring(static_cast<int>(answer.kind)));
    switch (answer.kind) {
    case UpdateReplyKind::NewVersion:
        if (AfxMessageBox(boxes, LoadResourceString(IDS_UPDATE_ASK), MB_YESNO) == IDYES) {
            AfxMessageBox(boxes, LoadResourceString(IDS_UPDATE_CLOSING));
            OpenInBrowser(downloadUrl);
            // The host saves the slots and ends the program; this waits until it has.
            if (boxes.hWndMain) ::SendMessageW(boxes.hWndMain, WM_CLOSE, 0, 0);
        }
        return 1;
    case UpdateReplyKind::Message:
        AfxMessageBox(boxes, UpdateMessageText(answer.message));
        return 0;
    case UpdateReplyKind::Nothing:
        break;
    }
    return 0;
}
