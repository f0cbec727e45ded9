#include "play/AlertSounds.h"

#include <windows.h>
// For the flags only: winmm itself is loaded when a sound first plays.
#include <mmsystem.h>

#include <vector>

#include "common/AppSettings.h"
#include "framework/LateLibrary.h"
#include "model/WaveSamples.h"
#include "res/resource.h"

namespace {

// The end sounds in EndSound order, then the tick.
constexpr UINT kSoundResources[] = {IDR_CHIME, IDR_BELL, IDR_BEEPS, IDR_GONG, IDR_TICK};
constexpr int kTickSound = kEndSoundCount;
// Every sound reaches the device at least this long, its end silence.
constexpr std::int32_t kLeastSoundMs = 500;

struct PreparedSound {
    std::vector<std::uint8_t> bytes;  // stays while it may be playing
    std::int32_t volume = -1;
};
PreparedSound g_prepared[kEndSoundCount + 1];
AlertPlayer* g_player = nullptr;

struct ResourceBytes {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

ResourceBytes SoundResource(int sound)
{
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(kSoundResources[sound]), L"WAVE");
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), ::SizeofResource(module, found)};
}

WavePlayer* g_wavePlayer = nullptr;

WavePlayer* PlaySoundFunction()
{
    if (g_wavePlayer) return g_wavePlayer;
    // Loaded at the first sound and kept: an asynchronous sound plays on from it.
    static CLateLibrary winmm(L"winmm.dll");
    return winmm.Get<WavePlayer>("PlaySoundW");
}

void Play(int sound, std::int32_t volume)
{
    if (volume <= 0) return;
    WavePlayer* play = PlaySoundFunction();
    if (!play) return;
    PreparedSound& prepared = g_prepared[sound];
    if (prepared.volume != volume) {
        play(nullptr, nullptr, 0);  // the buffer about to change may be the one playing
        const ResourceBytes resource = SoundResource(sound);
        prepared.bytes = ScaledWave(resource.data, resource.size, volume, kLeastSoundMs);
        prepared.volume = volume;
    }
    if (prepared.bytes.empty()) return;
    play(reinterpret_cast<LPCWSTR>(prepared.bytes.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void PlayCue(const AlertCue& cue, std::int32_t volume)
{
    if (g_player) {
        g_player(cue, volume);
    } else if (cue.kind == AlertCue::Tick) {
        Play(kTickSound, volume);
    } else if (cue.kind == AlertCue::End && cue.sound != EndSound::None) {
        Play(static_cast<int>(cue.sound), volume);
    }
}

}  // namespace

void PlayAlert(const AlertCue& cue)
{
    if (cue.kind != AlertCue::Silence) PlayCue(cue, SoundVolume());
}

void PlaySoundAt(EndSound sound, std::int32_t volume)
{
    PlayCue({AlertCue::End, sound}, volume);
}

const std::int32_t (&EndSoundPeaks())[kEndSoundCount]
{
    static std::int32_t peaks[kEndSoundCount] = {-1};
    if (peaks[0] < 0) {
        for (int sound = 0; sound < kEndSoundCount; ++sound) {
            const ResourceBytes resource = SoundResource(sound);
            peaks[sound] = WavePeak(resource.data, resource.size);
        }
    }
    return peaks;
}

void SetAlertPlayer(AlertPlayer* player)
{
    g_player = player;
}

void SetWavePlayer(WavePlayer* player)
{
    g_wavePlayer = player;
}
