#include "play/Speech.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <sapi.h>


#include "framework/LateLibrary.h"
#include "model/Speech.h"

namespace {

constexpr GUID kClsidSpVoice = {0x96749377, 0x3391, 0x11d2, {0x9e, 0xe3, 0x00, 0xc0, 0x4f, 0x79, 0x73, 0x96}};
constexpr GUID kIidSpVoice = {0x6c44df74, 0x72b9, 0x4992, {0xa1, 0xec, 0xef, 0x99, 0x6e, 0x04, 0x22, 0xd4}};
constexpr GUID kClsidTokenCategory = {0xa910187f, 0x0c7a, 0x45ac, {0x92, 0xcc, 0x59, 0xed, 0xaf, 0xb7, 0x7b, 0x53}};
constexpr GUID kIidTokenCategory = {0x2d3d3845, 0x39af, 0x4850, {0xbb, 0xf9, 0x40, 0xb4, 0x97, 0x80, 0x01, 0x1d}};
constexpr wchar_t kVoicesCategory[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";
constexpr std::size_t kMostVoices = 64;

using CoInitializeExFn = HRESULT WINAPI(LPVOID, DWORD);
using CoCreateInstanceFn = HRESULT WINAPI(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using CoTaskMemFreeFn = void WINAPI(LPVOID);

Speaker* g_speaker = nullptr;
ISpVoice* g_voice = nullptr;  // kept: an utterance plays on after Speak returns
bool g_comReady = false;

// ole32, loaded with the first utterance: a player who never hears one loads none of it.
const CLateLibrary& Ole32()
{
    static CLateLibrary ole32(L"ole32.dll");
    return ole32;
}

CoCreateInstanceFn* Creator()
{
    const CLateLibrary& ole32 = Ole32();
    if (!g_comReady) {
        auto* initialize = ole32.Get<CoInitializeExFn>("CoInitializeEx");
        const HRESULT result = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
        g_comReady = SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }
    return g_comReady ? ole32.Get<CoCreateInstanceFn>("CoCreateInstance") : nullptr;
}

ISpVoice* Voice(CoCreateInstanceFn* create)
{
    if (!g_voice) create(kClsidSpVoice, nullptr, CLSCTX_ALL, kIidSpVoice, reinterpret_cast<void**>(&g_voice));
    return g_voice;
}

// The languages a voice speaks, by its "Language" attribute.
std::vector<std::uint16_t> LanguagesOf(ISpObjectToken* token)
{
    std::vector<std::uint16_t> languages;
    ISpDataKey* attributes = nullptr;
    if (FAILED(token->OpenKey(L"Attributes", &attributes)) || !attributes) return languages;
    LPWSTR text = nullptr;
    if (SUCCEEDED(attributes->GetStringValue(L"Language", &text)) && text) {
        languages = ParseVoiceLanguages(text);
        if (auto* release = Ole32().Get<CoTaskMemFreeFn>("CoTaskMemFree")) release(text);
    }
    attributes->Release();
    return languages;
}

// The voice to say text of `languages`, or null for the default voice.
// Windows can filter the voices by attribute itself; Wine cannot, so every
// voice is read here.
ISpObjectToken* VoiceFor(CoCreateInstanceFn* create, const std::vector<std::uint16_t>& languages)
{
    ISpObjectTokenCategory* category = nullptr;
    if (FAILED(create(kClsidTokenCategory, nullptr, CLSCTX_ALL, kIidTokenCategory,
                      reinterpret_cast<void**>(&category))) || !category) {
        return nullptr;
    }
    std::vector<ISpObjectToken*> voices;
    std::vector<std::vector<std::uint16_t>> spoken;
    IEnumSpObjectTokens* tokens = nullptr;
    if (SUCCEEDED(category->SetId(kVoicesCategory, FALSE)) && SUCCEEDED(category->EnumTokens(nullptr, nullptr, &tokens)) &&
        tokens) {
        ISpObjectToken* token = nullptr;
        ULONG fetched = 0;
        while (voices.size() < kMostVoices && tokens->Next(1, &token, &fetched) == S_OK && fetched == 1 && token) {
            voices.push_back(token);
            spoken.push_back(LanguagesOf(token));
        }
        tokens->Release();
    }
    category->Release();
    const int chosen = ChooseVoice(spoken, languages);
    for (int at = 0; at < static_cast<int>(voices.size()); ++at) {
        if (at != chosen) voices[static_cast<std::size_t>(at)]->Release();
    }
    return chosen >= 0 ? voices[static_cast<std::size_t>(chosen)] : nullptr;
}

bool SpeakWithSapi(const std::wstring& text, const std::vector<std::uint16_t>& languages, std::int32_t volume)
{
    CoCreateInstanceFn* create = Creator();
    ISpVoice* voice = create ? Voice(create) : nullptr;
    if (!voice) return false;
    ISpObjectToken* token = VoiceFor(create, languages);
    voice->SetVoice(token);  // none of them: the default voice
    if (token) token->Release();
    voice->SetVolume(static_cast<USHORT>(volume));
    return SUCCEEDED(voice->Speak(text.c_str(), SPF_ASYNC | SPF_IS_NOT_XML, nullptr));
}

}  // namespace

bool SpeakText(const std::wstring& text, const std::vector<std::uint16_t>& languages, std::int32_t volume)
{
    if (text.empty() || volume <= 0) return true;  // nothing to hear, as a sound at no volume
    return g_speaker ? g_speaker(text, languages, volume) : SpeakWithSapi(text, languages, volume);
}

void SetSpeaker(Speaker* speaker)
{
    g_speaker = speaker;
}
