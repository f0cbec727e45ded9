// The bar as a screen reader reads it: its parts, and what readers are told.
#include "bar/TimerBarDlg.h"

#include <oleacc.h>

#include "access/Announce.h"
#include "bar/BarLayout.h"
#include "common/AppSettings.h"
#include "common/TriggerNames.h"
#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "play/SpokenAlerts.h"
#include "res/resource.h"

namespace {

ReadingWords Words()
{
    return {LoadResourceString(IDS_READ_RUNNING), LoadResourceString(IDS_READ_WARNING),
            LoadResourceString(IDS_READ_COOLING), LoadResourceString(IDS_READ_COUNTING_UP)};
}

}  // namespace

int CTimerBarDlg::PartCount() const
{
    return kClosePart;
}

AccessiblePart CTimerBarDlg::Part(int child) const
{
    AccessiblePart part;
    if (child == 0) {
        part.name = TitleText();
        part.role = ROLE_SYSTEM_LIST;
        part.location = GetWindowRect();
    } else if (child <= kTimerSlotCount) {
        const int slot = child - 1;
        part.name = SlotReadingName(slot, MultiByteToWide(SlotName(g_timerSlots[slot])));
        part.value = SlotReadingValue(g_timerSlots[slot], Words());
        part.shortcut = TriggerName(CurrentTriggers().key[slot]);
        part.defaultAction = LoadResourceString(IDS_READ_EDIT);
        part.role = ROLE_SYSTEM_LISTITEM;
        part.state = STATE_SYSTEM_READONLY;
        part.location = OnScreen(ToRect(BarHitRects[slot]));
    } else if (child == kTitlePart) {
        part.name = TitleText();
        part.role = ROLE_SYSTEM_STATICTEXT;
        part.state = STATE_SYSTEM_READONLY;
        part.location = OnScreen(kBarTitleRect);
    } else {
        const bool pin = child == kPinPart;
        part.name = LoadResourceString(pin ? IDS_READ_PIN : IDS_READ_CLOSE);
        part.defaultAction = LoadResourceString(IDS_READ_PRESS);
        part.role = ROLE_SYSTEM_PUSHBUTTON;
        part.state = pin && m_bAlwaysOnTop ? STATE_SYSTEM_PRESSED : 0;
        part.location = OnScreen(ToRect(BarHitRects[pin ? kBarPinRect : kBarCloseRect]));
    }
    return part;
}

bool CTimerBarDlg::DoDefaultAction(int child)
{
    // Posted: the reader's call returns first, and the bar acts as for a click.
    if (child >= 1 && child <= kTimerSlotCount) {
        if (EditorWindow()) ::PostMessageW(EditorWindow(), kOpenSlotMessage, child - 1, m_bAlwaysOnTop ? 1 : 0);
        return EditorWindow() != nullptr;
    }
    if (child != kPinPart && child != kClosePart) return false;
    ::PostMessageW(m_hWnd, kReaderPressMessage, static_cast<WPARAM>(child), 0);
    return true;
}

void CTimerBarDlg::PressPart(int child)
{
    if (child == kPinPart) ToggleAlwaysOnTop();
    if (child == kClosePart) SendMessage(WM_CLOSE);
}

void CTimerBarDlg::TellReaders(const SlotTickCues& cues)
{
    unsigned warned = 0;
    for (int i = 0; i < kTimerSlotCount; ++i) {
        const SlotPhase phase = PhaseOfSlot(g_timerSlots[i]);
        if (phase == m_phases[i]) continue;
        if (phase == SlotPhase::Warning && m_phases[i] == SlotPhase::Running) warned |= 1u << i;
        m_phases[i] = phase;
        CAccessibleWindow::TellValueChanged(m_hWnd, i + 1);
    }
    if (warned | cues.ended) Announce(m_hWnd, AlertWords({cues.ended, warned, 0, 0}));
}

void CTimerBarDlg::TellReadersAllChanged()
{
    for (int i = 0; i < kTimerSlotCount; ++i) {
        m_phases[i] = PhaseOfSlot(g_timerSlots[i]);
        CAccessibleWindow::TellNameChanged(m_hWnd, i + 1);
        CAccessibleWindow::TellValueChanged(m_hWnd, i + 1);
    }
    CAccessibleWindow::TellNameChanged(m_hWnd, kTitlePart);
}
