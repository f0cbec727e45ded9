// What the slots that speak say in one tick, and the voice it is said in. A
// slot speaks instead of its sound; where no voice can speak, its sound plays
// after all (the chime where it has none). No Windows here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Alerts.h"

// The words of the program's language that a spoken alert is made of.
struct SpeechWords {
    std::wstring slot;     // "%1번": the number of a slot without a name
    std::wstring minute;   // "1분"
    std::wstring minutes;  // "%1분"
    std::wstring ready;    // "사용 가능": after a name, at the end of a cooldown
    std::wstring noneRunning;  // "실행 중인 타이머 없음"
};

// Of the slots due in one tick, those that speak: their end (with the end
// sounds on), their being ready again, and their warning where they speak that too.
SlotTickCues SpokenCues(const SlotTickCues& cues, const SlotAlerts& alerts, bool endSoundsOn);
// The cues with those taken out: what sounds as ever.
SlotTickCues CuesWithout(const SlotTickCues& cues, const SlotTickCues& taken);
// The alerts that sound for `spoken` where no voice could: the slot's own end
// sound, the chime where that is none.
SlotAlerts SoundingInstead(const SlotAlerts& alerts, const SlotTickCues& spoken);

// One utterance for the spoken slots, in slot order, separated by ", ": a
// slot's name (its number where it has none), followed at its warning by the
// minutes left, and when it is ready again by that word. `names` are the slots' names as the player reads them.
std::wstring SpokenText(const SlotTickCues& spoken, const TimerSlot* slots, const std::wstring* names,
                        const SpeechWords& words);

// The read-all key's words: every running slot's name (its number where it
// has none) and time left as the bar shows it, shortest first, slot order
// among equals; the words for none where none runs.
std::wstring TimesLeftText(const TimerSlot* slots, const std::wstring* names, const SpeechWords& words);

// The languages whose voice may say `text`, in order: Korean first where it
// holds Hangul, then the program's language, then English. Where none of
// them has a voice, the system's default voice speaks.
std::vector<std::uint16_t> VoiceLanguages(const std::wstring& text, std::uint16_t programLanguage);

// A voice's "Language" attribute as Windows stores it, LANGIDs in hex
// separated by semicolons ("409;9"), read up to the first that is none.
std::vector<std::uint16_t> ParseVoiceLanguages(const std::wstring& attribute);
// Of the voices installed (each by the languages it speaks), the first that
// speaks the first of `wanted` that any of them can, by primary language (a
// British voice speaks English); -1 where none does.
int ChooseVoice(const std::vector<std::vector<std::uint16_t>>& voices, const std::vector<std::uint16_t>& wanted);
