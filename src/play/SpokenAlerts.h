// What a tick of the slots makes heard, speech with the sounds: the slots that
// speak say their names in one utterance, the others sound as ever, and where
// no voice can speak the spoken slots sound instead (never a box).
#pragma once

#include <cstdint>
#include <string>

#include "model/Alerts.h"

// At the volume stored, for the set shown.
void SoundTick(const SlotTickCues& cues);
// The words these cues are said in, with the shown slots' names: also what a
// screen reader is told at a warning or an end.
std::wstring AlertWords(const SlotTickCues& cues);
// The read-all key: every running slot's name and time left, said at the volume stored.
void SayTimesLeft();
// The alert page's Test: slot `slot`'s end as it would be heard with `sound`
// and `speak`, at `volume`. False where it was to be said and no voice could
// (its sound played instead).
bool TrySlotEnd(int slot, const std::string& name, EndSound sound, SpeakMode speak, std::int32_t volume);
