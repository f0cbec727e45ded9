#include "settings/KeyPage.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/AppSettings.h"
#include "framework/WinApp.h"
#include "play/FrontProgram.h"
#include "play/KeysEverywhere.h"
#include "res/resource.h"
#include "common/TriggerNames.h"

namespace {

enum Column { SlotColumn, NameColumn, KeyColumn, PressColumn };
// The list's rows: the nine slots, then the program's own keys.
constexpr int kPauseRow = kPauseHolder;
constexpr int kNextSetRow = kNextSetHolder;
constexpr int kReadAllRow = kReadAllHolder;
constexpr int kRowCount = kReadAllRow + 1;

}  // namespace

CKeyPage::CKeyPage(CEditedSet& set) : CPropertyPage(IDD_PAGE_KEYS), m_set(set), m_shown(CurrentTriggers())
{
    TakeSlotKeys(m_shown, set.AtOpen().triggers);
    m_edit = m_shown;
}

void CKeyPage::OnInitPage()
{
    HWND hWndPress = ::GetDlgItem(m_hWnd, IDC_SECOND_PRESS);
    for (UINT text : {IDS_PRESS_STOP, IDS_PRESS_RESTART}) {
        ::SendMessageW(hWndPress, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadResourceString(text).c_str()));
    }
    ::SendDlgItemMessageW(m_hWnd, IDC_LOCKOUT_SPIN, UDM_SETRANGE32, 0, kLongestLockoutMs);
    ::SendDlgItemMessageW(m_hWnd, IDC_LOCKOUT_SPIN, UDM_SETPOS32, 0, m_edit.lockoutMs);
    m_catcher.SubclassWindow(::GetDlgItem(m_hWnd, IDC_KEY_PROMPT));
    FillGames();
    ShowHelp(false);
    FillList();
}

void CKeyPage::FillList()
{
    m_list.Fill(::GetDlgItem(m_hWnd, IDC_SLOT_LIST), {{IDS_COLUMN_SLOT, 18},
                                                      {IDS_COLUMN_NAME, 32},
                                                      {IDS_COLUMN_KEY, 30},
                                                      {IDS_COLUMN_SECOND_PRESS, 20}},
                m_set.AtOpen().slots);
    m_list.AddRow(LoadResourceString(IDS_PAUSE_ROW), LoadResourceString(IDS_PAUSE_NAME));
    m_list.AddRow(LoadResourceString(IDS_NEXT_SET_ROW), LoadResourceString(IDS_NEXT_SET_NAME));
    m_list.AddRow(LoadResourceString(IDS_READ_ALL_ROW), LoadResourceString(IDS_READ_ALL_NAME));
    for (int row = 0; row < kRowCount; ++row) ShowRow(row);
    m_list.Select(0);
    ShowSelectedPress();
}

Trigger& CKeyPage::TriggerOfRow(int row)
{
    switch (row) {
    case kPauseRow: return m_edit.pause;
    case kNextSetRow: return m_edit.nextSet;
    case kReadAllRow: return m_edit.readAll;
    default: return m_edit.key[row];
    }
}

void CKeyPage::ShowRow(int row)
{
    m_list.SetCell(row, KeyColumn, TriggerName(TriggerOfRow(row)));
    if (row >= kTimerSlotCount) return;
    m_list.SetCell(row, PressColumn,
            LoadResourceString(m_edit.press[row] == SecondPress::Restart ? IDS_PRESS_RESTART : IDS_PRESS_STOP));
}

int CKeyPage::SelectedSlot() const
{
    const int row = m_list.Selected();
    return row >= 0 && row < kRowCount ? row : -1;
}

void CKeyPage::ShowSelectedPress()
{
    const int row = SelectedSlot();
    const bool slot = row >= 0 && row < kTimerSlotCount;
    ::SendDlgItemMessageW(m_hWnd, IDC_SECOND_PRESS, CB_SETCURSEL, slot ? static_cast<int>(m_edit.press[row]) : -1, 0);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_CHANGE_KEY), row >= 0);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_DEFAULT_KEY), row >= 0);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SECOND_PRESS), slot);
}

void CKeyPage::ShowHelp(bool waiting)
{
    ::SetWindowTextW(m_catcher.m_hWnd, LoadResourceString(waiting ? IDS_KEY_WAITING : IDS_KEY_HELP).c_str());
}

std::wstring CKeyPage::Holder(Trigger trigger, int row) const
{
    const int holder = SlotWithTrigger(m_edit, trigger, row);
    if (holder == kPauseRow) return FormatResourceString(IDS_KEY_TAKEN_BY_PAUSE, {TriggerName(trigger)});
    if (holder == kNextSetRow) return FormatResourceString(IDS_KEY_TAKEN_BY_NEXT_SET, {TriggerName(trigger)});
    if (holder == kReadAllRow) return FormatResourceString(IDS_KEY_TAKEN_BY_READ_ALL, {TriggerName(trigger)});
    if (holder >= 0) return FormatResourceString(IDS_KEY_TAKEN, {TriggerName(trigger), std::to_wstring(holder + 1)});
    // A program key belongs to no slot of any set.
    const std::optional<SlotOfSet> other = row >= kTimerSlotCount ? FindSlotKey(trigger, m_set.Id()) : std::nullopt;
    if (!other) return {};
    return FormatResourceString(IDS_KEY_TAKEN_IN_SET, {TriggerName(trigger), std::to_wstring(other->slot + 1),
                                                      NameOfSet(other->set)});
}

void CKeyPage::TakeTrigger(Trigger trigger)
{
    const int row = SelectedSlot();
    if (row < 0) return;
    const std::wstring text = Holder(trigger, row);
    if (!text.empty()) {
        ::MessageBoxW(::GetParent(m_hWnd), text.c_str(), LoadResourceString(IDS_APP_NAME).c_str(),
                      MB_OK | MB_ICONINFORMATION);
        return;
    }
    TriggerOfRow(row) = trigger;
    ShowRow(row);
}

bool CKeyPage::OnCommand(UINT id, UINT code)
{
    switch (id) {
    case IDC_CHANGE_KEY:
        if (code != BN_CLICKED || SelectedSlot() < 0) return false;
        ShowHelp(true);
        m_catcher.Wait([this](std::optional<Trigger> trigger) {
            ShowHelp(false);
            ::SetFocus(::GetDlgItem(m_hWnd, IDC_CHANGE_KEY));
            if (trigger) TakeTrigger(*trigger);
        });
        return true;
    case IDC_DEFAULT_KEY:
        // The program's own keys have none by default.
        if (code != BN_CLICKED || SelectedSlot() < 0) return false;
        TakeTrigger(SelectedSlot() >= kTimerSlotCount ? kNoTrigger : DefaultTrigger(SelectedSlot()));
        return true;
    case IDC_SECOND_PRESS:
        if (code != CBN_SELCHANGE || SelectedSlot() < 0 || SelectedSlot() >= kTimerSlotCount) return false;
        m_edit.press[SelectedSlot()] =
            ::SendDlgItemMessageW(m_hWnd, IDC_SECOND_PRESS, CB_GETCURSEL, 0, 0) == 1 ? SecondPress::Restart
                                                                                  : SecondPress::Stop;
        ShowRow(SelectedSlot());
        return true;
    default:
        return false;
    }
}

bool CKeyPage::OnControlNotify(const NMHDR& header, LRESULT* result)
{
    if (header.idFrom != IDC_SLOT_LIST || header.code != LVN_ITEMCHANGED) return false;
    ShowSelectedPress();
    *result = 0;
    return true;
}

void CKeyPage::FillGames()
{
    HWND hWndGames = ::GetDlgItem(m_hWnd, IDC_GAME_PROGRAM);
    std::vector<std::wstring> names = ProgramsWithWindows();
    if (!GameProgram().empty() && std::find(names.begin(), names.end(), GameProgram()) == names.end()) {
        names.push_back(GameProgram());  // chosen before and not running now: it stays the choice
    }
    for (const std::wstring& name : names) {
        ::SendMessageW(hWndGames, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    // "Any program" first, above the sorted names.
    ::SendMessageW(hWndGames, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(LoadResourceString(IDS_ANY_PROGRAM).c_str()));
    const LRESULT chosen = GameProgram().empty() ? CB_ERR
                                                 : ::SendMessageW(hWndGames, CB_FINDSTRINGEXACT, 0,
                                                                  reinterpret_cast<LPARAM>(GameProgram().c_str()));
    ::SendMessageW(hWndGames, CB_SETCURSEL, chosen == CB_ERR ? 0 : chosen, 0);
}

std::wstring CKeyPage::ChosenGame() const
{
    HWND hWndGames = ::GetDlgItem(m_hWnd, IDC_GAME_PROGRAM);
    const auto chosen = static_cast<int>(::SendMessageW(hWndGames, CB_GETCURSEL, 0, 0));
    if (chosen <= 0) return {};
    std::wstring name(static_cast<std::size_t>(::SendMessageW(hWndGames, CB_GETLBTEXTLEN, chosen, 0)) + 1, L'\0');
    name.resize(static_cast<std::size_t>(
        ::SendMessageW(hWndGames, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(name.data()))));
    return name;
}

bool CKeyPage::OnApply()
{
    const std::wstring game = ChosenGame();
    if (game != GameProgram()) StoreGameProgram(game);
    BOOL read = FALSE;
    const UINT lockout = ::GetDlgItemInt(m_hWnd, IDC_LOCKOUT, &read, FALSE);
    m_edit.lockoutMs = !read ? 0 : static_cast<std::int32_t>(lockout > kLongestLockoutMs ? kLongestLockoutMs : lockout);
    if (m_edit == m_shown) return true;  // nothing changed: nothing written
    StoreChanges();
    return true;
}

void CKeyPage::StoreChanges()
{
    // The program's own keys and the lockout, each only where the player changed it.
    SlotTriggers program = CurrentTriggers();
    if (m_edit.lockoutMs != m_shown.lockoutMs) program.lockoutMs = m_edit.lockoutMs;
    if (m_edit.pause != m_shown.pause) program.pause = m_edit.pause;
    if (m_edit.nextSet != m_shown.nextSet) program.nextSet = m_edit.nextSet;
    if (m_edit.readAll != m_shown.readAll) program.readAll = m_edit.readAll;
    if (!(program == CurrentTriggers())) {
        StoreTriggers(program);
        FollowStoredTriggers();
    }
    // The edited set's slots changed here, over its keys as they stand now
    // (the owner tells the bar, whose hooks follow the set shown).
    const TimerSet& atOpen = m_set.AtOpen();
    const SlotRecords shown = RecordsOf(atOpen.slots, m_shown, atOpen.alerts);
    const SlotRecords edited = RecordsOf(atOpen.slots, m_edit, atOpen.alerts);
    SlotRecords scratch = shown;
    if (!TakeChangedValues(SlotPart::Keys, shown, edited, scratch) || !m_set.StillThere()) return;
    StoreSetChanges(m_set.Id(), SlotPart::Keys, shown, edited);
}
