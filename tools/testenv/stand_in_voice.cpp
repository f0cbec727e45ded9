// The test suite's stand-in for the system's voice: an in-process COM server
// registered in the test prefix under the voice's class id. It speaks
// nothing; each Speak call is written, one line of UTF-8, to the file named by
// TAVORIN_VOICE_LOG: "<flags> <volume> <voice> <text>", the voice being the
// id of the token it was given, or "default".
#include <windows.h>
#include <sapi.h>

#include <atomic>
#include <string>

namespace {

constexpr GUID kIidSpVoice = {0x6c44df74, 0x72b9, 0x4992, {0xa1, 0xec, 0xef, 0x99, 0x6e, 0x04, 0x22, 0xd4}};
constexpr GUID kIidEventSource = {0xbe7a9cce, 0x5f9e, 0x11d2, {0x96, 0x0f, 0x00, 0xc0, 0x4f, 0x8e, 0xe6, 0x28}};
constexpr GUID kIidNotifySource = {0x5eff4aef, 0x8487, 0x11d2, {0x96, 0x1c, 0x00, 0xc0, 0x4f, 0x8e, 0xe6, 0x28}};

std::atomic<long> g_objects{0};

std::string Utf8(const std::wstring& text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

void Log(const std::wstring& line)
{
    wchar_t path[MAX_PATH] = L"";
    if (!::GetEnvironmentVariableW(L"TAVORIN_VOICE_LOG", path, MAX_PATH)) return;
    HANDLE file = ::CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string bytes = Utf8(line + L"\n");
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

#define NOT_HERE(name, ...) \
    HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { return E_NOTIMPL; }

class Voice : public ISpVoice {
public:
    Voice() { ++g_objects; }
    virtual ~Voice() { --g_objects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == kIidSpVoice || iid == kIidEventSource || iid == kIidNotifySource) {
            *object = static_cast<ISpVoice*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++m_refs); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const long refs = --m_refs;
        if (refs == 0) delete this;
        return static_cast<ULONG>(refs);
    }

    HRESULT STDMETHODCALLTYPE SetVoice(ISpObjectToken* token) override
    {
        m_voice = L"default";
        LPWSTR id = nullptr;
        if (token && SUCCEEDED(token->GetId(&id)) && id) {
            m_voice = id;
            ::CoTaskMemFree(id);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetVolume(USHORT volume) override
    {
        m_volume = volume;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Speak(LPCWSTR text, DWORD flags, ULONG* stream) override
    {
        if (stream) *stream = 1;
        Log(std::to_wstring(flags) + L" " + std::to_wstring(m_volume) + L" " + m_voice + L" " + (text ? text : L""));
        return S_OK;
    }

    NOT_HERE(SetNotifySink, ISpNotifySink*)
    NOT_HERE(SetNotifyWindowMessage, HWND, UINT, WPARAM, LPARAM)
    NOT_HERE(SetNotifyCallbackFunction, SPNOTIFYCALLBACK*, WPARAM, LPARAM)
    NOT_HERE(SetNotifyCallbackInterface, ISpNotifyCallback*, WPARAM, LPARAM)
    NOT_HERE(SetNotifyWin32Event)
    NOT_HERE(WaitForNotifyEvent, DWORD)
    HANDLE STDMETHODCALLTYPE GetNotifyEventHandle() override { return nullptr; }
    NOT_HERE(SetInterest, ULONGLONG, ULONGLONG)
    NOT_HERE(GetEvents, ULONG, SPEVENT*, ULONG*)
    NOT_HERE(GetInfo, SPEVENTSOURCEINFO*)
    NOT_HERE(SetOutput, IUnknown*, WINBOOL)
    NOT_HERE(GetOutputObjectToken, ISpObjectToken**)
    NOT_HERE(GetOutputStream, ISpStreamFormat**)
    NOT_HERE(Pause)
    NOT_HERE(Resume)
    NOT_HERE(GetVoice, ISpObjectToken**)
    NOT_HERE(SpeakStream, IStream*, DWORD, ULONG*)
    NOT_HERE(GetStatus, SPVOICESTATUS*, LPWSTR*)
    NOT_HERE(Skip, LPCWSTR, LONG, ULONG*)
    NOT_HERE(SetPriority, SPVPRIORITY)
    NOT_HERE(GetPriority, SPVPRIORITY*)
    NOT_HERE(SetAlertBoundary, SPEVENTENUM)
    NOT_HERE(GetAlertBoundary, SPEVENTENUM*)
    NOT_HERE(SetRate, LONG)
    NOT_HERE(GetRate, LONG*)
    NOT_HERE(GetVolume, USHORT*)
    NOT_HERE(WaitUntilDone, ULONG)
    NOT_HERE(SetSyncSpeakTimeout, ULONG)
    NOT_HERE(GetSyncSpeakTimeout, ULONG*)
    HANDLE STDMETHODCALLTYPE SpeakCompleteEvent() override { return nullptr; }
    NOT_HERE(IsUISupported, LPCWSTR, void*, ULONG, WINBOOL*)
    NOT_HERE(DisplayUI, HWND, LPCWSTR, LPCWSTR, void*, ULONG)

private:
    std::atomic<long> m_refs{1};
    std::wstring m_voice = L"default";
    USHORT m_volume = 100;
};

class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (outer) return CLASS_E_NOAGGREGATION;
        Voice* voice = new Voice;
        const HRESULT result = voice->QueryInterface(iid, object);
        voice->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory g_factory;

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID, REFIID iid, void** object)
{
    return g_factory.QueryInterface(iid, object);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return g_objects == 0 ? S_OK : S_FALSE;
}
