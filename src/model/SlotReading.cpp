#include "model/SlotReading.h"

std::wstring SlotReadingName(int slot, const std::wstring& name)
{
    const std::wstring number = std::to_wstring(slot + 1);
    return name.empty() ? number : number + L": " + name;
}

std::wstring SlotReadingValue(const TimerSlot& slot, const ReadingWords& words)
{
    const std::wstring time = SlotTimeWords(SlotDisplaySeconds(slot));
    const std::wstring* format = nullptr;
    switch (PhaseOfSlot(slot)) {
    case SlotPhase::Running: format = &words.running; break;
    case SlotPhase::Warning: format = &words.warning; break;
    case SlotPhase::Cooling: format = &words.cooling; break;
    case SlotPhase::CountingUp: format = &words.countingUp; break;
    case SlotPhase::Idle: return time;
    }
    std::wstring text = *format;
    const std::size_t at = text.find(L"%1");
    return at == std::wstring::npos ? text : text.replace(at, 2, time);
}

SlotPhase PhaseOfSlot(const TimerSlot& slot)
{
    switch (slot.state) {
    case Running: return slot.remaining <= SlotWarningLimit(slot) ? SlotPhase::Warning : SlotPhase::Running;
    case Cooling: return SlotPhase::Cooling;
    case CountingUp: return SlotPhase::CountingUp;
    default: return SlotPhase::Idle;
    }
}
