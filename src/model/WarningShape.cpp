#include "model/WarningShape.h"


WarningShape SlotWarningShape(const TimerSlot& slot, std::int32_t now, bool shapeWarning)
{
    if (!shapeWarning || !IsSlotWarning(slot, now)) return {};
    return {true, slot.remaining <= kDigitsBlinkSeconds};
}
