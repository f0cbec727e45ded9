// The program's sounds as WAV bytes (RIFF, 16-bit PCM): where their samples
// lie, how loud they are, and a copy scaled to a volume. No Windows here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The samples of a 16-bit PCM WAV: their offset and size in bytes, or a size
// of 0 where the bytes are no such sound (or are cut short).
struct WaveSamples {
    std::size_t offset = 0;
    std::size_t size = 0;
    std::uint32_t bytesPerSecond = 0;
};
WaveSamples FindWaveSamples(const std::uint8_t* bytes, std::size_t size);
// The loudest sample's size, 0 to 32768 (0 for no sound).
std::int32_t WavePeak(const std::uint8_t* bytes, std::size_t size);
// The sound with each sample scaled to `volume` percent (0 to 100) and
// silence after it up to `leastMs` in all; empty where the bytes are no
// sound. A sound device may never start, or cut off at its close, a sound
// shorter than its own buffering: the warning's tick went unheard so.
std::vector<std::uint8_t> ScaledWave(const std::uint8_t* bytes, std::size_t size, std::int32_t volume,
                                     std::int32_t leastMs = 0);
