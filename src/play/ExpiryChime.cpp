#include "play/ExpiryChime.h"

#include <windows.h>
// For the flags only: winmm itself is loaded when a chime plays.
#include <mmsystem.h>

#include "framework/LateLibrary.h"
#include "res/resource.h"

namespace {

ChimeSound* g_sound = nullptr;

}  // namespace

void SetChimeSound(ChimeSound* sound)
{
    g_sound = sound;
}

void PlayExpiryChime()
{
    if (g_sound) {
        g_sound();
        return;
    }
    // winmm is loaded at the first chime and kept: an asynchronous sound plays on from it.
    static CLateLibrary winmm(L"winmm.dll");
    using PlaySoundFn = BOOL WINAPI(LPCWSTR, HMODULE, DWORD);
    if (auto* play = winmm.Get<PlaySoundFn>("PlaySoundW")) {
        play(MAKEINTRESOURCEW(IDR_CHIME), ::GetModuleHandleW(nullptr), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT);
    }
}
