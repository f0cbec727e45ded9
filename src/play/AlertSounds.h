// The program's sounds: each slot's end sound and the warning tick, from its
// own WAV resources, scaled to the player's volume once (again only when the
// volume changes) and played from memory without waiting. Where nothing can
// play, silence: never the system's default sound, never a message.
#pragma once

#include <cstdint>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/Alerts.h"

// At the volume stored (SoundVolume()).
void PlayAlert(const AlertCue& cue);
// One end sound at a volume not yet stored (the settings window's try-out).
void PlaySoundAt(EndSound sound, std::int32_t volume);
// Each end sound's loudest sample, in EndSound order, for ChooseCue.
const std::int32_t (&EndSoundPeaks())[kEndSoundCount];

// How a cue sounds: through winmm, or a stand-in for tests.
using AlertPlayer = void(const AlertCue& cue, std::int32_t volume);
void SetAlertPlayer(AlertPlayer* player);
// What plays a prepared wave from memory: winmm's PlaySoundW, or a stand-in
// for tests that reads the wave handed to it.
using WavePlayer = BOOL WINAPI(LPCWSTR sound, HMODULE module, DWORD flags);
void SetWavePlayer(WavePlayer* player);
