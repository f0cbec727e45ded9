#include "access/Announce.h"

#include <unknwn.h>

#include "access/OleText.h"
#include "framework/LateLibrary.h"

namespace {

using UiaClientsAreListeningFn = BOOL WINAPI();
using UiaHostProviderFromHwndFn = HRESULT WINAPI(HWND, void**);
// The provider is an IRawElementProviderSimple; the two numbers NotificationKind and NotificationProcessing.
using UiaRaiseNotificationEventFn = HRESULT WINAPI(void*, int, int, BSTR, BSTR);
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantAll = 0;

Announcer* g_announcer = nullptr;

bool AnnounceWithUia(HWND hWnd, const std::wstring& text)
{
    static CLateLibrary uia(L"uiautomationcore.dll");
    static auto* listening = uia.Get<UiaClientsAreListeningFn>("UiaClientsAreListening");
    static auto* host = uia.Get<UiaHostProviderFromHwndFn>("UiaHostProviderFromHwnd");
    static auto* raise = uia.Get<UiaRaiseNotificationEventFn>("UiaRaiseNotificationEvent");
    if (!listening || !host || !raise || !listening()) return false;
    void* provider = nullptr;
    if (FAILED(host(hWnd, &provider)) || !provider) return false;
    BSTR words = AllocOleText(text);
    BSTR activity = AllocOleText(L"Tavorin.Alert");
    const HRESULT result = raise(provider, kNotificationKindOther, kNotificationProcessingImportantAll, words, activity);
    FreeOleText(words);
    FreeOleText(activity);
    static_cast<IUnknown*>(provider)->Release();
    return SUCCEEDED(result);
}

}  // namespace

bool Announce(HWND hWnd, const std::wstring& text)
{
    if (text.empty()) return false;
    return g_announcer ? g_announcer(hWnd, text) : AnnounceWithUia(hWnd, text);
}

void SetAnnouncer(Announcer* announcer)
{
    g_announcer = announcer;
}
