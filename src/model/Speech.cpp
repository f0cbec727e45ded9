#include "model/Speech.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr std::uint16_t kKoreanLangId = 0x0412;
constexpr std::uint16_t kEnglishLangId = 0x0409;

bool IsHangul(wchar_t c)
{
    return (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F);
}

std::wstring Filled(const std::wstring& format, std::int32_t number)
{
    std::wstring text = format;
    const std::size_t at = text.find(L"%1");
    if (at != std::wstring::npos) text.replace(at, 2, std::to_wstring(number));
    return text;
}

}  // namespace

SlotTickCues SpokenCues(const SlotTickCues& cues, const SlotAlerts& alerts, bool endSoundsOn)
{
    SlotTickCues spoken;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const unsigned bit = 1u << i;
        if (endSoundsOn && (cues.ended & bit) && alerts.speak[i] != SpeakMode::Off) spoken.ended |= bit;
        if ((cues.warned & bit) && alerts.speak[i] == SpeakMode::WarningAndEnd) spoken.warned |= bit;
        if ((cues.ready & bit) && alerts.speak[i] != SpeakMode::Off) spoken.ready |= bit;
    }
    return spoken;
}

SlotTickCues CuesWithout(const SlotTickCues& cues, const SlotTickCues& taken)
{
    return {cues.ended & ~taken.ended, cues.warned & ~taken.warned, cues.repeated, cues.ready & ~taken.ready};
}

SlotAlerts SoundingInstead(const SlotAlerts& alerts, const SlotTickCues& spoken)
{
    SlotAlerts sounding = alerts;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        if ((spoken.ended & (1u << i)) && sounding.sound[i] == EndSound::None) sounding.sound[i] = EndSound::Chime;
    }
    return sounding;
}

std::wstring SpokenText(const SlotTickCues& spoken, const TimerSlot* slots, const std::wstring* names,
                        const SpeechWords& words)
{
    std::wstring text;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const unsigned bit = 1u << i;
        if (!((spoken.ended | spoken.warned | spoken.ready) & bit)) continue;
        if (!text.empty()) text += L", ";
        text += names[i].empty() ? Filled(words.slot, i + 1) : names[i];
        if (spoken.warned & bit) {
            const std::int32_t minutes = SlotWarningLimit(slots[i]) / 60;
            text += L" " + (minutes == 1 ? words.minute : Filled(words.minutes, minutes));
        }
        if (spoken.ready & bit) text += L" " + words.ready;
    }
    return text;
}

std::wstring TimesLeftText(const TimerSlot* slots, const std::wstring* names, const SpeechWords& words)
{
    std::vector<int> running;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        if (slots[i].state == Running) running.push_back(i);
    }
    std::stable_sort(running.begin(), running.end(),
                     [slots](int a, int b) { return slots[a].remaining < slots[b].remaining; });
    std::wstring text;
    for (const int i : running) {
        if (!text.empty()) text += L", ";
        text += (names[i].empty() ? Filled(words.slot, i + 1) : names[i]) + L" " + SlotTimeWords(slots[i].remaining);
    }
    return text.empty() ? words.noneRunning : text;
}

std::vector<std::uint16_t> VoiceLanguages(const std::wstring& text, std::uint16_t programLanguage)
{
    std::vector<std::uint16_t> languages;
    if (std::any_of(text.begin(), text.end(), IsHangul)) languages.push_back(kKoreanLangId);
    for (const std::uint16_t language : {programLanguage, kEnglishLangId}) {
        if (std::find(languages.begin(), languages.end(), language) == languages.end()) languages.push_back(language);
    }
    return languages;
}

std::vector<std::uint16_t> ParseVoiceLanguages(const std::wstring& attribute)
{
    std::vector<std::uint16_t> languages;
    for (const wchar_t* at = attribute.c_str(); *at;) {
        wchar_t* end = nullptr;
        const unsigned long language = std::wcstoul(at, &end, 16);
        if (end == at || language > 0xFFFF) break;
        languages.push_back(static_cast<std::uint16_t>(language));
        at = *end == L';' ? end + 1 : end;
    }
    return languages;
}

int ChooseVoice(const std::vector<std::vector<std::uint16_t>>& voices, const std::vector<std::uint16_t>& wanted)
{
    constexpr auto primary = [](std::uint16_t language) { return language & 0x3FF; };
    for (const std::uint16_t language : wanted) {
        for (std::size_t voice = 0; voice < voices.size(); ++voice) {
            for (const std::uint16_t spoken : voices[voice]) {
                if (primary(spoken) == primary(language)) return static_cast<int>(voice);
            }
        }
    }
    return -1;
}
