#include "settings/AlertPage.h"

#include <iterator>
#include <optional>
#include <string>

#include "common/AppSettings.h"
#include "framework/WinApp.h"
#include "play/SpokenAlerts.h"
#include "res/resource.h"

namespace {

enum Column { SlotColumn, NameColumn, SoundColumn, WarnColumn, RepeatColumn, SpeakColumn, CountUpColumn };
// In EndSound order, "nothing" last.
constexpr UINT kSoundNames[] = {IDS_SOUND_CHIME, IDS_SOUND_BELL, IDS_SOUND_BEEPS, IDS_SOUND_GONG, IDS_SOUND_NONE};
// In SpeakMode order.
constexpr UINT kSpeakNames[] = {IDS_SPEAK_OFF, IDS_SPEAK_END, IDS_SPEAK_WARNING_END};

void FillCombo(HWND hWndCombo, const UINT* texts, std::size_t count)
{
    for (std::size_t at = 0; at < count; ++at) {
        ::SendMessageW(hWndCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadResourceString(texts[at]).c_str()));
    }
}

std::wstring OnMark(bool on)
{
    return on ? LoadResourceString(IDS_ALERT_ON) : std::wstring();
}

}  // namespace

CAlertPage::CAlertPage(CEditedSet& set) : CPropertyPage(IDD_PAGE_ALERTS), m_set(set), m_edit(set.AtOpen().alerts) {}

void CAlertPage::OnInitPage()
{
    FillCombo(::GetDlgItem(m_hWnd, IDC_ALERT_SOUND), kSoundNames, std::size(kSoundNames));
    FillCombo(::GetDlgItem(m_hWnd, IDC_ALERT_SPEAK), kSpeakNames, std::size(kSpeakNames));
    ::SendDlgItemMessageW(m_hWnd, IDC_SOUND_VOLUME, TBM_SETRANGE, FALSE, MAKELPARAM(0, kLoudestVolume / kVolumeStep));
    ::SendDlgItemMessageW(m_hWnd, IDC_SOUND_VOLUME, TBM_SETPOS, TRUE, SoundVolume() / kVolumeStep);
    ShowVolume();
    m_list.Fill(::GetDlgItem(m_hWnd, IDC_ALERT_LIST), {{IDS_COLUMN_SLOT, 9},
                                                       {IDS_COLUMN_NAME, 20},
                                                       {IDS_COLUMN_SOUND, 16},
                                                       {IDS_COLUMN_WARN, 14},
                                                       {IDS_COLUMN_REPEAT, 12},
                                                       {IDS_COLUMN_SPEAK, 14},
                                                       {IDS_COLUMN_COUNT_UP, 15}},
                m_set.AtOpen().slots);
    for (int row = 0; row < kTimerSlotCount; ++row) ShowRow(row);
    m_list.Select(0);
    ShowSelected();
}

void CAlertPage::ShowRow(int row)
{
    m_list.SetCell(row, SoundColumn, LoadResourceString(kSoundNames[static_cast<int>(m_edit.sound[row])]));
    m_list.SetCell(row, WarnColumn, OnMark(m_edit.warn[row]));
    m_list.SetCell(row, RepeatColumn, OnMark(m_edit.repeat[row]));
    const SpeakMode speak = m_edit.speak[row];
    m_list.SetCell(row, SpeakColumn, speak == SpeakMode::Off ? std::wstring()
                                                             : LoadResourceString(kSpeakNames[static_cast<int>(speak)]));
    m_list.SetCell(row, CountUpColumn, OnMark(m_edit.countUp[row]));
}

void CAlertPage::ShowSelected()
{
    const int row = m_list.Selected();
    const bool slot = row >= 0 && row < kTimerSlotCount;
    ::SendDlgItemMessageW(m_hWnd, IDC_ALERT_SOUND, CB_SETCURSEL, slot ? static_cast<int>(m_edit.sound[row]) : -1, 0);
    SetCheck(IDC_ALERT_WARN, slot && m_edit.warn[row]);
    SetCheck(IDC_ALERT_REPEAT, slot && m_edit.repeat[row]);
    SetCheck(IDC_ALERT_COUNT_UP, slot && m_edit.countUp[row]);
    ::SendDlgItemMessageW(m_hWnd, IDC_ALERT_SPEAK, CB_SETCURSEL, slot ? static_cast<int>(m_edit.speak[row]) : -1, 0);
    for (int id : {IDC_ALERT_SOUND, IDC_ALERT_TRY, IDC_ALERT_WARN, IDC_ALERT_REPEAT, IDC_ALERT_SPEAK, IDC_ALERT_COUNT_UP}) {
        ::EnableWindow(::GetDlgItem(m_hWnd, id), slot);
    }
}

std::int32_t CAlertPage::ChosenVolume() const
{
    const auto step = static_cast<std::int32_t>(::SendDlgItemMessageW(m_hWnd, IDC_SOUND_VOLUME, TBM_GETPOS, 0, 0));
    return step * kVolumeStep;
}

void CAlertPage::ShowVolume()
{
    ::SetDlgItemTextW(m_hWnd, IDC_SOUND_VOLUME_TEXT, (std::to_wstring(ChosenVolume()) + L" %").c_str());
}

std::optional<int> CAlertPage::Chosen(UINT id, UINT code, int last) const
{
    if (code != CBN_SELCHANGE) return std::nullopt;
    const auto chosen = static_cast<int>(::SendDlgItemMessageW(m_hWnd, static_cast<int>(id), CB_GETCURSEL, 0, 0));
    return chosen >= 0 && chosen <= last ? std::optional<int>(chosen) : std::nullopt;
}

bool CAlertPage::OnCommand(UINT id, UINT code)
{
    const int row = m_list.Selected();
    if (row < 0 || row >= kTimerSlotCount) return false;
    switch (id) {
    case IDC_ALERT_SOUND: {
        const std::optional<int> chosen = Chosen(id, code, static_cast<int>(EndSound::None));
        if (!chosen) return false;
        m_edit.sound[row] = static_cast<EndSound>(*chosen);
        break;
    }
    case IDC_ALERT_WARN:
        if (code != BN_CLICKED) return false;
        m_edit.warn[row] = IsChecked(IDC_ALERT_WARN);
        break;
    case IDC_ALERT_REPEAT:
    case IDC_ALERT_COUNT_UP: {
        if (code != BN_CLICKED) return false;
        // A slot that starts again at its end never counts past it: one or the other.
        const bool on = IsChecked(id);
        bool& chosen = id == IDC_ALERT_REPEAT ? m_edit.repeat[row] : m_edit.countUp[row];
        bool& other = id == IDC_ALERT_REPEAT ? m_edit.countUp[row] : m_edit.repeat[row];
        chosen = on;
        if (on) other = false;
        SetCheck(id == IDC_ALERT_REPEAT ? IDC_ALERT_COUNT_UP : IDC_ALERT_REPEAT, other);
        break;
    }
    case IDC_ALERT_SPEAK: {
        const std::optional<int> chosen = Chosen(id, code, static_cast<int>(SpeakMode::WarningAndEnd));
        if (!chosen) return false;
        m_edit.speak[row] = static_cast<SpeakMode>(*chosen);
        break;
    }
    case IDC_ALERT_TRY: {
        if (code != BN_CLICKED) return false;
        const bool heard = TrySlotEnd(row, SlotName(m_set.AtOpen().slots[row]), m_edit.sound[row], m_edit.speak[row],
                                      ChosenVolume());
        ::SetDlgItemTextW(m_hWnd, IDC_ALERT_SPEAK_NOTE, heard ? L"" : LoadResourceString(IDS_SPEECH_NO_VOICE).c_str());
        return true;
    }
    default:
        return false;
    }
    ShowRow(row);
    return true;
}

bool CAlertPage::OnControlNotify(const NMHDR& header, LRESULT* result)
{
    if (header.idFrom != IDC_ALERT_LIST || header.code != LVN_ITEMCHANGED) return false;
    ShowSelected();
    *result = 0;
    return true;
}

void CAlertPage::OnSlide(UINT id)
{
    if (id == IDC_SOUND_VOLUME) ShowVolume();
}

bool CAlertPage::OnApply()
{
    StoreSoundVolume(ChosenVolume());  // written only where it changed
    const TimerSet& atOpen = m_set.AtOpen();
    if (m_edit == atOpen.alerts || !m_set.StillThere()) return true;
    // The slots changed here, over the set as it stands now.
    StoreSetChanges(m_set.Id(), SlotPart::Alerts, RecordsOf(atOpen.slots, atOpen.triggers, atOpen.alerts),
                    RecordsOf(atOpen.slots, atOpen.triggers, m_edit));
    return true;
}
