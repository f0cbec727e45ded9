#include "model/Triggers.h"

#include <string>


bool IsModifierKey(unsigned key)
{
    switch (key) {
    case 0x10: case 0x11: case 0x12:              // VK_SHIFT, VK_CONTROL, VK_MENU
    case 0x5B: case 0x5C:                         // VK_LWIN, VK_RWIN
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:  // left and right of each
        return true;
    default:
        return false;
    }
}

bool IsUsableTrigger(std::uint32_t value)
{
    const unsigned key = value & 0xFFFFu;
    if ((value >> 16) & ~kAllModifiers) return false;
    if (key < kMiddleButton || key > kHighestKey) return false;  // none, and the left and right buttons
    if (key == 0x03) return false;                               // VK_CANCEL: Ctrl+Break
    // VK_PROCESSKEY and VK_PACKET: the input method's stand-ins for the real
    // key, which the keyboard hook never reports.
    if (key == 0xE5 || key == 0xE7) return false;
    return !IsModifierKey(key);
}

Trigger DefaultTrigger(int slot)
{
    return MakeTrigger('1' + static_cast<unsigned>(slot), 0);
}

bool SlotTriggers::operator==(const SlotTriggers& other) const
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        if (key[i] != other.key[i] || press[i] != other.press[i]) return false;
    }
    return lockoutMs == other.lockoutMs && pause == other.pause && nextSet == other.nextSet && readAll == other.readAll;
}

SlotTriggers DefaultSlotTriggers()
{
    SlotTriggers triggers{};
    for (int i = 0; i < kTimerSlotCount; ++i) {
        triggers.key[i] = DefaultTrigger(i);
        triggers.press[i] = SecondPress::Stop;
    }
    triggers.lockoutMs = 0;
    triggers.pause = kNoTrigger;
    triggers.nextSet = kNoTrigger;
    triggers.readAll = kNoTrigger;
    return triggers;
}

int SettleSlotKeys(SlotTriggers& triggers)
{
    const auto takenBelow = [&triggers](Trigger trigger, int slot) {
        for (int j = 0; j < slot; ++j) {
            if (triggers.key[j] == trigger) return true;
        }
        return false;
    };
    int changed = 0;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        Trigger key = IsUsableTrigger(triggers.key[i]) ? triggers.key[i] : DefaultTrigger(i);
        if (takenBelow(key, i)) key = DefaultTrigger(i);
        // Only by hand: a lower slot holds this slot's own digit key too. The lower one keeps it.
        if (takenBelow(key, i)) key = kNoTrigger;
        changed += key != triggers.key[i] ? 1 : 0;
        triggers.key[i] = key;
    }
    return changed;
}

void TakeSlotKeys(SlotTriggers& to, const SlotTriggers& from)
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        to.key[i] = from.key[i];
        to.press[i] = from.press[i];
    }
}

int DropProgramKeys(SlotTriggers& slots, const SlotTriggers& program)
{
    int dropped = 0;
    for (Trigger& key : slots.key) {
        if (key == kNoTrigger || (key != program.pause && key != program.nextSet && key != program.readAll)) continue;
        key = kNoTrigger;
        ++dropped;
    }
    return dropped;
}

int SlotWithTrigger(const SlotTriggers& triggers, Trigger trigger, int except)
{
    if (trigger == kNoTrigger) return -1;
    // The program's own keys first: they belong to no slot.
    if (except != kPauseHolder && triggers.pause == trigger) return kPauseHolder;
    if (except != kNextSetHolder && triggers.nextSet == trigger) return kNextSetHolder;
    if (except != kReadAllHolder && triggers.readAll == trigger) return kReadAllHolder;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        if (i != except && triggers.key[i] == trigger) return i;
    }
    return -1;
}

int SlotOfRelease(const SlotTriggers& triggers, Trigger released)
{
    const int exact = SlotWithTrigger(triggers, released);
    if (exact >= 0) return exact;
    return SlotWithTrigger(triggers, MakeTrigger(TriggerKey(released), 0));
}

PressAction DecidePress(const SlotTriggers& triggers, int slot, SlotState state, std::uint32_t heldMs,
                        std::uint32_t nowMs, PressMemory& memory)
{
    if (slot < 0 || slot >= kTimerSlotCount) return PressAction::Nothing;
    if (memory.acted[slot] && nowMs - memory.atMs[slot] < static_cast<std::uint32_t>(triggers.lockoutMs)) {
        return PressAction::Nothing;
    }
    memory.acted[slot] = true;
    memory.atMs[slot] = nowMs;
    if (state == Idle) return PressAction::Toggle;
    if (triggers.press[slot] == SecondPress::Stop) return state == Cooling ? PressAction::Refuse : PressAction::Toggle;
    return heldMs >= kStoppingHoldMs ? PressAction::Stop : PressAction::Restart;
}

void KeyPresses::Down(unsigned key, unsigned modifiers, std::uint32_t timeMs, bool repeat)
{
    if (key > 0xFF) return;
    Press& press = m_keys[key];
    if (repeat && press.down) {
        press.lastMs = timeMs;  // an auto-repeat keeps the first press
        return;
    }
    press = {true, static_cast<std::uint8_t>(modifiers & kAllModifiers), timeMs, timeMs};
}

bool KeyPresses::IsRepeat(unsigned key, std::uint32_t timeMs) const
{
    return key <= 0xFF && m_keys[key].down && timeMs - m_keys[key].lastMs <= kLongestRepeatGapMs;
}

void KeyPresses::Forget()
{
    for (Press& press : m_keys) press.down = false;
}

KeyPresses::Release KeyPresses::Up(unsigned key, unsigned modifiersNow, std::uint32_t timeMs)
{
    if (key > 0xFF) return {MakeTrigger(key, modifiersNow), 0};
    Press& press = m_keys[key];
    const Release release = press.down ? Release{MakeTrigger(key, press.modifiers), timeMs - press.atMs}
                                       : Release{MakeTrigger(key, modifiersNow), 0};
    press.down = false;
    return release;
}
