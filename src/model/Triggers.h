// Each slot's trigger (a key, a key combination or a mouse button) and what a
// second press does, stored in section "Option": "Key#0".."Key#8" as REG_DWORD
// with the virtual-key code in the low 16 bits and the modifiers in bits 16
// to 19, numbered as RegisterHotKey numbers them; "Press#0".."Press#8" 0
// (stop) or 1 (restart); "KeyLockout" in milliseconds. No Windows here.
#pragma once

#include <cstdint>

#include "model/SettingsProfile.h"
#include "model/TimerSlots.h"

using Trigger = std::uint32_t;
// A slot without a trigger: only a registry edited by hand gives one.
constexpr Trigger kNoTrigger = 0;

constexpr unsigned kModAlt = 1, kModControl = 2, kModShift = 4, kModWin = 8;
constexpr unsigned kAllModifiers = kModAlt | kModControl | kModShift | kModWin;
// The mouse buttons a trigger may be (VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2).
constexpr unsigned kMiddleButton = 0x04, kSideButton1 = 0x05, kSideButton2 = 0x06;
constexpr unsigned kHighestKey = 0xFE;
constexpr std::int32_t kLongestLockoutMs = 2000;
// In restart mode a press held this long stops the slot instead.
constexpr std::uint32_t kStoppingHoldMs = 1000;

constexpr Trigger MakeTrigger(unsigned key, unsigned modifiers)
{
    return (key & 0xFFFFu) | ((modifiers & kAllModifiers) << 16);
}
constexpr unsigned TriggerKey(Trigger trigger) { return trigger & 0xFFFFu; }
constexpr unsigned TriggerModifiers(Trigger trigger) { return (trigger >> 16) & kAllModifiers; }
constexpr bool IsMouseTrigger(Trigger trigger)
{
    return TriggerKey(trigger) >= kMiddleButton && TriggerKey(trigger) <= kSideButton2;
}
// The trigger key of side button 1 or 2 (XBUTTON1, XBUTTON2 as the system numbers them).
constexpr unsigned SideButtonKey(unsigned xbutton)
{
    return xbutton == 1 ? kSideButton1 : kSideButton2;
}

// Shift, Ctrl, Alt or a Windows key, of either side: part of a combination, never one alone.
bool IsModifierKey(unsigned key);
// A stored or caught value that can start a slot: a key or the middle or a
// side button, with nothing beyond the four modifier bits.
bool IsUsableTrigger(std::uint32_t value);
// Digit key 1 to 9 of the main keyboard, as before triggers could be set.
Trigger DefaultTrigger(int slot);

enum class SecondPress : std::int32_t { Stop = 0, Restart = 1 };

struct SlotTriggers {
    Trigger key[kTimerSlotCount];
    SecondPress press[kTimerSlotCount];
    std::int32_t lockoutMs;
    // "PauseKey": stops the triggers from other programs until pressed again; none by default.
    Trigger pause;
    // "NextSetKey": shows the next set of slots; none by default.
    Trigger nextSet;
    // "ReadAllKey": says every running slot's name and time left; none by default.
    Trigger readAll;
    bool operator==(const SlotTriggers& other) const;
};

// Who holds a trigger in SlotTriggers::pause, ::nextSet and ::readAll, for SlotWithTrigger.
constexpr int kPauseHolder = kTimerSlotCount;
constexpr int kNextSetHolder = kTimerSlotCount + 1;
constexpr int kReadAllHolder = kTimerSlotCount + 2;

// Every slot on its digit key, a second press stopping, no lockout.
SlotTriggers DefaultSlotTriggers();
// Brings each slot's key into what it can be: unusable, or a lower slot's,
// as its default (none, if a lower slot holds even that). How many changed.
int SettleSlotKeys(SlotTriggers& triggers);
// A set's keys and second presses into `to`, whose program-wide keys stay.
void TakeSlotKeys(SlotTriggers& to, const SlotTriggers& from);
// Each slot key of `slots` that is one of `program`'s own keys (pause, next
// set, read all) becomes none. How many did.
int DropProgramKeys(SlotTriggers& slots, const SlotTriggers& program);

// The slot (or kPauseHolder, kNextSetHolder, kReadAllHolder) other than `except` that has this trigger, or -1.
int SlotWithTrigger(const SlotTriggers& triggers, Trigger trigger, int except = -1);
// The slot a release starts or stops (or the holder of a program-wide key):
// the one with exactly this trigger, or
// else the one with its key and no modifiers (a plain key also acts while a
// modifier is held, as the digit keys always did); -1 for none.
int SlotOfRelease(const SlotTriggers& triggers, Trigger released);

// What a release of a slot's trigger does. Refuse: the slot is cooling and
// starts only with "restart" as its second press; it shows the press was seen.
enum class PressAction { Nothing, Toggle, Restart, Stop, Refuse };
// The last release that acted, per slot, for the lockout against double presses.
struct PressMemory {
    bool acted[kTimerSlotCount] = {};
    std::uint32_t atMs[kTimerSlotCount] = {};
};
// Decides, and remembers a release that acts. `nowMs` is a millisecond clock
// that may wrap; `heldMs` how long the trigger was held down.
PressAction DecidePress(const SlotTriggers& triggers, int slot, SlotState state, std::uint32_t heldMs,
                        std::uint32_t nowMs, PressMemory& memory);

// Presses and releases as they arrive (a key's auto-repeat included): a
// release carries the modifiers held at its press and how long it was held.
// A press whose release was never seen (it went to another window, or to the
// secure desktop) is not kept for ever: the next press that is no repeat
// starts afresh.
class KeyPresses {
public:
    struct Release {
        Trigger trigger;
        std::uint32_t heldMs;
    };
    // `repeat`: the key's own repeat flag (a window message's previous-state bit).
    void Down(unsigned key, unsigned modifiers, std::uint32_t timeMs, bool repeat);
    // Where events carry no repeat flag (the keyboard hook): whether a press
    // of this key now repeats one held, as the keyboard's repeat does, at most
    // kLongestRepeatGapMs after the last.
    bool IsRepeat(unsigned key, std::uint32_t timeMs) const;
    // A release whose press was not seen carries the modifiers held now and no hold.
    Release Up(unsigned key, unsigned modifiersNow, std::uint32_t timeMs);
    // Forgets every press: its release will not be seen (the window lost the
    // keyboard, the hook was installed again).
    void Forget();

    // The keyboard repeats a held key at least every second (its longest delay).
    static constexpr std::uint32_t kLongestRepeatGapMs = 1100;

private:
    struct Press {
        bool down;
        std::uint8_t modifiers;
        std::uint32_t atMs;
        std::uint32_t lastMs;  // the press or its last repeat
    };
    Press m_keys[256] = {};
};
