// What each slot makes heard: its end sound, a warning tick as it turns red,
// a start again at its end, and its name spoken. Stored per slot in section
// "Option" (or a set's own) as "Sound#0".."Sound#8" (0 chime, 1 bell, 2 two
// beeps, 3 low gong, 4 nothing), "Warn#0".."Warn#8" and "Repeat#0".."Repeat#8"
// (0/1), "Speak#0".."Speak#8" (SpeakMode), "CountUp#0".."CountUp#8" (0/1:
// counting past the end, which a repeating slot never reaches); one "SoundVolume" (0 to 100 in
// steps of 10) in "Option". No Windows here.
#pragma once

#include <cstdint>

#include "model/SettingsProfile.h"
#include "model/TimerSlots.h"

enum class EndSound : std::int32_t { Chime = 0, Bell = 1, Beeps = 2, Gong = 3, None = 4 };
constexpr int kEndSoundCount = 4;  // the sounds there are, "nothing" aside
constexpr std::int32_t kLoudestVolume = 100;
constexpr std::int32_t kVolumeStep = 10;
constexpr char kEntrySoundVolume[] = "SoundVolume";

// A slot that speaks says its name at its end instead of its end sound, and
// with WarningAndEnd its name and the minutes left as it turns red instead of
// the tick.
enum class SpeakMode : std::int32_t { Off = 0, End = 1, WarningAndEnd = 2 };

struct SlotAlerts {
    EndSound sound[kTimerSlotCount];
    bool warn[kTimerSlotCount];
    bool repeat[kTimerSlotCount];
    SpeakMode speak[kTimerSlotCount];
    bool countUp[kTimerSlotCount];
    bool operator==(const SlotAlerts& other) const;
    bool operator!=(const SlotAlerts& other) const { return !(*this == other); }
};

// The chime for every slot, no warning, no repeat, no speech: the program as it always was.
SlotAlerts DefaultSlotAlerts();
// One bit per slot that starts again at its end (bit i for slot i).
unsigned RepeatingSlots(const SlotAlerts& alerts);
// One bit per slot that counts past its end (one that repeats never reaches it).
unsigned CountingUpSlots(const SlotAlerts& alerts);

// Anything but a step from 0 to 100 reads as 100.
std::int32_t ReadSoundVolume(SettingsProfile& profile);

// What one tick of the slots brought, one bit per slot: reached zero (those
// that repeat included), turned red with a warning set, started again, and
// ready again at the end of a cooldown.
struct SlotTickCues {
    unsigned ended = 0;
    unsigned warned = 0;
    unsigned repeated = 0;
    unsigned ready = 0;
};
// Counts the slots down to `now` as TickTimerSlots does; a slot that repeats
// starts again at its end, in step with the clock however late the tick. A
// warning is due once per start, as the time crosses into the red phase (a
// slot started inside it gives none: its end is that close). After its
// effect a slot cools and counts up as it is set to.
SlotTickCues TickSlotsWithAlerts(TimerSlot* slots, const SlotAlerts& alerts, std::int32_t now);

// The one sound a tick plays.
struct AlertCue {
    enum Kind { Silence, Tick, End } kind = Silence;
    EndSound sound = EndSound::None;
    bool operator==(const AlertCue& other) const { return kind == other.kind && sound == other.sound; }
};
// Of the sounds due, the loudest end sound (by `peaks`, each sound's loudest
// sample, in EndSound order); a warning or a slot ready again only where no
// end sounds, as the tick. End sounds
// play only with `endSoundsOn` (the menu's one switch for them).
AlertCue ChooseCue(const SlotTickCues& cues, const SlotAlerts& alerts, bool endSoundsOn,
                   const std::int32_t (&peaks)[kEndSoundCount]);
