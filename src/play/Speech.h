// Spoken alerts through the voices Windows has (SAPI 5). The speech library is
// loaded when something is first said, never at start-up. Speech never waits:
// an utterance queues behind the one before it, and none is cut short.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Says `text` as plain text (never read as markup) in a voice of the first of
// `languages` that has one, else in the default voice, at `volume` (0 to
// 100). False where no voice could speak: no speech service, or it refused;
// the next call tries again.
bool SpeakText(const std::wstring& text, const std::vector<std::uint16_t>& languages, std::int32_t volume);

// How text is said: through SAPI, or a stand-in for tests.
using Speaker = bool(const std::wstring& text, const std::vector<std::uint16_t>& languages, std::int32_t volume);
void SetSpeaker(Speaker* speaker);
