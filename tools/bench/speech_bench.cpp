// The program's own part of a spoken alert: the utterance made from the slots
// due and handed on (to a stand-in voice that takes it at once), and one
// utterance handed to the system's voice itself, the first (which loads the
// speech library and makes the voice) apart from the ones after.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/Speech.h"
#include "play/Speech.h"

namespace {

double Microseconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

template <typename Call>
double Time(Call call)
{
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    call();
    ::QueryPerformanceCounter(&end);
    return Microseconds(start, end);
}

bool TakeAtOnce(const std::wstring&, const std::vector<std::uint16_t>&, std::int32_t)
{
    return true;
}

}  // namespace

int wmain()
{
    TimerSlot slots[kTimerSlotCount] = {};
    std::wstring names[kTimerSlotCount];
    for (int i = 0; i < kTimerSlotCount; ++i) {
        slots[i].duration = 3600;
        names[i] = i % 2 ? L"Mana potion" : L"해독제";
    }
    const SpeechWords words{L"%1번", L"1분", L"%1분", L"사용 가능", L"실행 중인 타이머 없음"};
    const SlotTickCues nine{0x1FF, 0, 0};
    const auto utterance = [&] {
        const std::wstring text = SpokenText(nine, slots, names, words);
        SpeakText(text, VoiceLanguages(text, 0x0412), 100);
    };
    SetSpeaker(TakeAtOnce);
    std::vector<double> times;
    for (int i = 0; i < 10000; ++i) times.push_back(Time(utterance));
    std::sort(times.begin(), times.end());
    std::printf("nine slots' utterance made and handed on: median %.1f us, 99%% %.1f us\n", times[times.size() / 2],
                times[times.size() * 99 / 100]);
    SetSpeaker(nullptr);
    bool spoke = false;
    const double first = Time([&] { spoke = SpeakText(L"해독제", {0x0412, 0x0409}, 1); });
    const double next = Time([&] { SpeakText(L"해독제", {0x0412, 0x0409}, 1); });
    std::printf("to the system's voice: first %.0f us (speech library loaded, voice made), then %.0f us; %s\n", first,
                next, spoke ? "it spoke" : "no voice could speak (the end sound plays instead)");
    return 0;
}
