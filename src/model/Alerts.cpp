#include "model/Alerts.h"

#include "model/SettingsStore.h"
#include "model/SlotEnds.h"
#include "model/SlotPhases.h"

bool SlotAlerts::operator==(const SlotAlerts& other) const
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        if (sound[i] != other.sound[i] || warn[i] != other.warn[i] || repeat[i] != other.repeat[i] ||
            speak[i] != other.speak[i] || countUp[i] != other.countUp[i]) {
            return false;
        }
    }
    return true;
}

SlotAlerts DefaultSlotAlerts()
{
    SlotAlerts alerts{};
    for (EndSound& sound : alerts.sound) sound = EndSound::Chime;
    return alerts;
}

unsigned RepeatingSlots(const SlotAlerts& alerts)
{
    unsigned bits = 0;
    for (int i = 0; i < kTimerSlotCount; ++i) bits |= alerts.repeat[i] ? 1u << i : 0u;
    return bits;
}

unsigned CountingUpSlots(const SlotAlerts& alerts)
{
    unsigned bits = 0;
    for (int i = 0; i < kTimerSlotCount; ++i) bits |= alerts.countUp[i] ? 1u << i : 0u;
    return bits;
}

std::int32_t ReadSoundVolume(SettingsProfile& profile)
{
    const std::int32_t volume = profile.GetInt(kSectionOption, kEntrySoundVolume, kLoudestVolume);
    return volume >= 0 && volume <= kLoudestVolume && volume % kVolumeStep == 0 ? volume : kLoudestVolume;
}

SlotTickCues TickSlotsWithAlerts(TimerSlot* slots, const SlotAlerts& alerts, std::int32_t now)
{
    std::int32_t before[kTimerSlotCount];
    for (int i = 0; i < kTimerSlotCount; ++i) before[i] = slots[i].remaining;
    SlotTickCues cues;
    const unsigned countingUp = CountingUpSlots(alerts);
    cues.ready = TickAfterEffects(slots, countingUp, now);
    TickTimerSlots(slots, now, &cues.ended);
    for (int i = 0; i < kTimerSlotCount; ++i) {
        TimerSlot& slot = slots[i];
        const unsigned bit = 1u << i;
        if (cues.ended & bit) {
            // Its end was lastTick + remaining (now, or earlier where the tick came late).
            const std::int32_t end = slot.lastTick + slot.remaining;
            if (alerts.repeat[i] && RunOnFromEnd(slot, end, now, true)) {
                cues.repeated |= bit;
            } else {
                FollowEffectEnd(slot, end, (countingUp & bit) != 0, now);
            }
            continue;
        }
        const std::int32_t limit = SlotWarningLimit(slot);
        if (slot.state == Running && alerts.warn[i] && before[i] > limit && slot.remaining <= limit) cues.warned |= bit;
    }
    return cues;
}

AlertCue ChooseCue(const SlotTickCues& cues, const SlotAlerts& alerts, bool endSoundsOn,
                   const std::int32_t (&peaks)[kEndSoundCount])
{
    AlertCue cue;
    for (int i = 0; endSoundsOn && i < kTimerSlotCount; ++i) {
        const EndSound sound = alerts.sound[i];
        if (!(cues.ended & (1u << i)) || sound == EndSound::None) continue;
        if (cue.kind != AlertCue::End ||
            peaks[static_cast<int>(sound)] > peaks[static_cast<int>(cue.sound)]) {
            cue = {AlertCue::End, sound};
        }
    }
    if (cue.kind == AlertCue::Silence && (cues.warned | cues.ready) != 0) cue.kind = AlertCue::Tick;
    return cue;
}
