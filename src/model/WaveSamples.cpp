#include "model/WaveSamples.h"

#include <cstring>

namespace {

std::uint32_t Read32(const std::uint8_t* at)
{
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

std::uint16_t Read16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

void Write32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::int16_t Sample(const std::uint8_t* at)
{
    return static_cast<std::int16_t>(Read16(at));
}

}  // namespace

WaveSamples FindWaveSamples(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return {};
    bool pcm16 = false;
    std::uint32_t bytesPerSecond = 0;
    // Chunks: a four-letter name, a 32-bit size, the data padded to an even size.
    for (std::size_t at = 12; size - at >= 8;) {
        const std::uint32_t length = Read32(bytes + at + 4);
        const std::size_t body = at + 8;
        if (length > size - body) return {};
        if (std::memcmp(bytes + at, "fmt ", 4) == 0 && length >= 16) {
            pcm16 = Read16(bytes + body) == 1 && Read16(bytes + body + 14) == 16;
            bytesPerSecond = Read32(bytes + body + 8);
        } else if (std::memcmp(bytes + at, "data", 4) == 0) {
            return pcm16 ? WaveSamples{body, length & ~std::size_t{1}, bytesPerSecond} : WaveSamples{};
        }
        at = body + length + (length & 1);
        if (at > size) return {};
    }
    return {};
}

std::int32_t WavePeak(const std::uint8_t* bytes, std::size_t size)
{
    const WaveSamples samples = FindWaveSamples(bytes, size);
    std::int32_t peak = 0;
    for (std::size_t at = samples.offset; at < samples.offset + samples.size; at += 2) {
        const std::int32_t value = Sample(bytes + at);
        if (value > peak) peak = value;
        if (-value > peak) peak = -value;
    }
    return peak;
}

std::vector<std::uint8_t> ScaledWave(const std::uint8_t* bytes, std::size_t size, std::int32_t volume,
                                     std::int32_t leastMs)
{
    const WaveSamples samples = FindWaveSamples(bytes, size);
    if (samples.size == 0) return {};
    // Everything up to the samples (the header, the format, the data chunk's
    // name and size), the samples, then the silence; chunks after them go.
    std::vector<std::uint8_t> scaled(bytes, bytes + samples.offset + samples.size);
    const std::int32_t percent = volume < 0 ? 0 : volume > 100 ? 100 : volume;
    for (std::size_t at = samples.offset; at < samples.offset + samples.size; at += 2) {
        const std::int32_t value = Sample(bytes + at) * percent / 100;  // never beyond the sample's own size
        scaled[at] = static_cast<std::uint8_t>(value & 0xFF);
        scaled[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    const std::uint64_t least = static_cast<std::uint64_t>(samples.bytesPerSecond) *
                                static_cast<std::uint64_t>(leastMs < 0 ? 0 : leastMs) / 1000 & ~std::uint64_t{1};
    if (least > samples.size && least < (1u << 24)) scaled.resize(samples.offset + least, 0);
    Write32(&scaled[4], static_cast<std::uint32_t>(scaled.size() - 8));
    Write32(&scaled[samples.offset - 4], static_cast<std::uint32_t>(scaled.size() - samples.offset));
    return scaled;
}
