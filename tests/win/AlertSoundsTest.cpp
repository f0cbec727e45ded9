// The program's own sounds as they reach the sound device: at the volume of
// the moment, and never shorter than the device's buffering.
#include <gtest/gtest.h>

#include <vector>

#include "common/AppSettings.h"
#include "model/WaveSamples.h"
#include "play/AlertSounds.h"

namespace {

struct Heard {
    std::int32_t peak;
    double seconds;
};
std::vector<Heard> g_heard;

BOOL WINAPI ReadWave(LPCWSTR sound, HMODULE, DWORD)
{
    if (!sound) return TRUE;  // the stop before a prepared wave changes
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(sound);
    const std::size_t size = 8 + (bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<std::size_t>(bytes[7]) << 24);
    const WaveSamples samples = FindWaveSamples(bytes, size);
    g_heard.push_back({WavePeak(bytes, size), static_cast<double>(samples.size) / samples.bytesPerSecond});
    return TRUE;
}

}  // namespace

TEST(AlertSounds, EachSoundPlaysAtTheVolumeOfTheMomentAndLastsHalfASecondAtLeast)
{
    SetWavePlayer(ReadWave);
    for (const std::int32_t volume : {100, 50, 100}) {
        StoreSoundVolume(volume);
        PlayAlert({AlertCue::Tick, EndSound::None});
        PlayAlert({AlertCue::End, EndSound::Bell});
    }
    StoreSoundVolume(kLoudestVolume);
    SetWavePlayer(nullptr);
    ASSERT_EQ(g_heard.size(), 6u);
    for (std::size_t sound = 0; sound < 2; ++sound) {
        const std::int32_t loud = g_heard[sound].peak;
        EXPECT_NEAR(g_heard[sound + 2].peak, loud / 2, 1) << "half the volume, half the peak";
        EXPECT_EQ(g_heard[sound + 4].peak, loud) << "and back, in the same run";
    }
    for (const Heard& heard : g_heard) EXPECT_GE(heard.seconds, 0.5) << "the 80 ms tick too";
}
