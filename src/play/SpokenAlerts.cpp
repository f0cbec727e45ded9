#include "play/SpokenAlerts.h"

#include "common/AppSettings.h"
#include "framework/CodePage.h"
#include "framework/ResourceLanguage.h"
#include "framework/WinApp.h"
#include "model/Speech.h"
#include "play/AlertSounds.h"
#include "play/Speech.h"
#include "res/resource.h"

namespace {

SpeechWords Words()
{
    return {LoadResourceString(IDS_SPEECH_SLOT), LoadResourceString(IDS_SPEECH_MINUTE),
            LoadResourceString(IDS_SPEECH_MINUTES), LoadResourceString(IDS_SPEECH_READY),
            LoadResourceString(IDS_SPEECH_NONE_RUNNING)};
}

// The shown slots' names as the player reads them.
struct ShownNames {
    std::wstring names[kTimerSlotCount];
    ShownNames()
    {
        for (int i = 0; i < kTimerSlotCount; ++i) names[i] = MultiByteToWide(SlotName(g_timerSlots[i]));
    }
};

bool Say(const std::wstring& text, std::int32_t volume)
{
    return SpeakText(text, VoiceLanguages(text, ResourceLanguage()), volume);
}

}  // namespace

std::wstring AlertWords(const SlotTickCues& cues)
{
    const ShownNames names;
    return SpokenText(cues, g_timerSlots, names.names, Words());
}

void SayTimesLeft()
{
    const ShownNames names;
    Say(TimesLeftText(g_timerSlots, names.names, Words()), SoundVolume());
}

void SoundTick(const SlotTickCues& cues)
{
    const SlotAlerts& alerts = CurrentAlerts();
    const bool endSoundsOn = IsOptionOn(ExpirySound);
    const SlotTickCues spoken = SpokenCues(cues, alerts, endSoundsOn);
    AlertCue cue = ChooseCue(CuesWithout(cues, spoken), alerts, endSoundsOn, EndSoundPeaks());
    if (spoken.ended | spoken.warned | spoken.ready) {
        if (!Say(AlertWords(spoken), SoundVolume())) {
            cue = ChooseCue(cues, SoundingInstead(alerts, spoken), endSoundsOn, EndSoundPeaks());
        }
    }
    PlayAlert(cue);
}

bool TrySlotEnd(int slot, const std::string& name, EndSound sound, SpeakMode speak, std::int32_t volume)
{
    if (slot < 0 || slot >= kTimerSlotCount) return true;
    const SlotTickCues ended{1u << slot, 0, 0};
    std::wstring names[kTimerSlotCount];
    names[slot] = MultiByteToWide(name);
    if (speak == SpeakMode::Off) {
        PlaySoundAt(sound, volume);
        return true;
    }
    if (Say(SpokenText(ended, g_timerSlots, names, Words()), volume)) return true;
    PlaySoundAt(sound == EndSound::None ? EndSound::Chime : sound, volume);
    return false;
}
