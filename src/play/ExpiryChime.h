// The chime at a slot's end: the program's own WAV resource, played without
// waiting; where it cannot play, silence (never the system's default sound).
#pragma once

void PlayExpiryChime();

// How the chime sounds: the resource through winmm, or a stand-in for tests.
using ChimeSound = void();
void SetChimeSound(ChimeSound* sound);
