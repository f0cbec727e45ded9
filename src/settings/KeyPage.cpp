#include "settings/KeyPage.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/AppSettings.h"
#include "common/SkinnedDialog.h"
#include "framework/CodePage.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "model/IconCatalogue.h"
#include "play/FrontProgram.h"
#include "play/KeysEverywhere.h"
#include "res/resource.h"
#include "settings/TriggerNames.h"
#include "skin/PixelScale.h"

namespace {

enum Column { SlotColumn, NameColumn, KeyColumn, PressColumn };
// The list's rows: the nine slots, then the program's own keys.
constexpr int kPauseRow = kPauseHolder;
constexpr int kNextSetRow = kNextSetHolder;
constexpr int kRowCount = kNextSetRow + 1;
constexpr int kIconSize = 24;
constexpr COLORREF kIconKey = RGB(255, 0, 255);

using ImageListCreateFn = HIMAGELIST WINAPI(int, int, UINT, int, int);
using ImageListAddMaskedFn = int WINAPI(HIMAGELIST, HBITMAP, COLORREF);
using ImageListDestroyFn = BOOL WINAPI(HIMAGELIST);

void AddColumn(HWND hWndList, int column, UINT nIDText, int width)
{
    std::wstring text = LoadResourceString(nIDText);
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    info.pszText = text.data();
    info.cx = width;
    info.iSubItem = column;
    ::SendMessageW(hWndList, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
}

void SetCell(HWND hWndList, int row, int column, std::wstring text)
{
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    ::SendMessageW(hWndList, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void InsertRow(HWND hWndList, int row, std::wstring first, int image, const std::wstring& name)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = first.data();
    item.iImage = image;
    ::SendMessageW(hWndList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SetCell(hWndList, row, NameColumn, name);
}

// The icon at the program's whole-pixel scale, each pixel a k x k block like the bar's.
bool ScaledIcon(UINT nIDBitmap, int scale, CBitmap& scaled)
{
    CBitmap source;
    if (!source.LoadBitmap(nIDBitmap)) return false;
    CWindowDC screen(nullptr);
    if (!scaled.CreateCompatibleBitmap(screen, kIconSize * scale, kIconSize * scale)) return false;
    CDC from, to;
    from.CreateCompatibleDC(screen);
    to.CreateCompatibleDC(screen);
    CSelectObject selectFrom(from, source);
    CSelectObject selectTo(to, scaled);
    if (!selectFrom || !selectTo) return false;
    ::SetStretchBltMode(to, COLORONCOLOR);
    return ::StretchBlt(to, 0, 0, kIconSize * scale, kIconSize * scale, from, 0, 0, kIconSize, kIconSize, SRCCOPY) !=
           FALSE;
}

}  // namespace

CKeyPage::CKeyPage() : CPropertyPage(IDD_PAGE_KEYS), m_edit(CurrentTriggers()) {}

CKeyPage::~CKeyPage()
{
    // The list does not own it (LVS_SHAREIMAGELISTS), so it outlives the list's window.
    if (auto* destroy = CommonControls().Get<ImageListDestroyFn>("ImageList_Destroy"); destroy && m_hIcons) {
        destroy(m_hIcons);
    }
}

void CKeyPage::OnInitPage()
{
    HWND hWndList = ::GetDlgItem(m_hWnd, IDC_SLOT_LIST);
    ::SetWindowLongPtrW(hWndList, GWL_STYLE, ::GetWindowLongPtrW(hWndList, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    ::SendMessageW(hWndList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT list{};
    ::GetClientRect(hWndList, &list);
    const int width = list.right - list.left - ::GetSystemMetrics(SM_CXVSCROLL);
    AddColumn(hWndList, SlotColumn, IDS_COLUMN_SLOT, width * 18 / 100);
    AddColumn(hWndList, NameColumn, IDS_COLUMN_NAME, width * 32 / 100);
    AddColumn(hWndList, KeyColumn, IDS_COLUMN_KEY, width * 30 / 100);
    AddColumn(hWndList, PressColumn, IDS_COLUMN_SECOND_PRESS, width * 20 / 100);

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
    HWND hWndList = ::GetDlgItem(m_hWnd, IDC_SLOT_LIST);
    const int scale = PixelScaleFor(WindowDpi(m_hWnd), false);
    auto* create = CommonControls().Get<ImageListCreateFn>("ImageList_Create");
    auto* add = CommonControls().Get<ImageListAddMaskedFn>("ImageList_AddMasked");
    if (create && add) m_hIcons = create(kIconSize * scale, kIconSize * scale, ILC_COLOR24 | ILC_MASK, 9, 0);
    if (m_hIcons) ::SendMessageW(hWndList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_hIcons));
    for (int i = 0; i < kTimerSlotCount; ++i) {
        int image = I_IMAGENONE;
        const std::int32_t bitmap = g_iconCatalogue.BitmapOf(g_iconCatalogue.CodeOfSlotIcon(g_timerSlots[i].icon));
        if (m_hIcons && bitmap != 0) {
            // The list copies the picture; ours goes with the scope.
            if (CBitmap icon; ScaledIcon(static_cast<UINT>(bitmap), scale, icon)) image = add(m_hIcons, icon, kIconKey);
        }
        InsertRow(hWndList, i, std::to_wstring(i + 1), image, MultiByteToWide(SlotName(g_timerSlots[i])));
        ShowRow(i);
    }
    InsertRow(hWndList, kPauseRow, LoadResourceString(IDS_PAUSE_ROW), I_IMAGENONE, LoadResourceString(IDS_PAUSE_NAME));
    ShowRow(kPauseRow);
    InsertRow(hWndList, kNextSetRow, LoadResourceString(IDS_NEXT_SET_ROW), I_IMAGENONE,
              LoadResourceString(IDS_NEXT_SET_NAME));
    ShowRow(kNextSetRow);
    LVITEMW selected{};
    selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(hWndList, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
    ShowSelectedPress();
}

Trigger& CKeyPage::TriggerOfRow(int row)
{
    return row == kPauseRow ? m_edit.pause : row == kNextSetRow ? m_edit.nextSet : m_edit.key[row];
}

void CKeyPage::ShowRow(int row)
{
    HWND hWndList = ::GetDlgItem(m_hWnd, IDC_SLOT_LIST);
    SetCell(hWndList, row, KeyColumn, TriggerName(TriggerOfRow(row)));
    if (row >= kTimerSlotCount) return;
    SetCell(hWndList, row, PressColumn,
            LoadResourceString(m_edit.press[row] == SecondPress::Restart ? IDS_PRESS_RESTART : IDS_PRESS_STOP));
}

int CKeyPage::SelectedSlot() const
{
    const auto row = static_cast<int>(
        ::SendDlgItemMessageW(m_hWnd, IDC_SLOT_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
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

void CKeyPage::TakeTrigger(Trigger trigger)
{
    const int row = SelectedSlot();
    if (row < 0) return;
    const int holder = SlotWithTrigger(m_edit, trigger, row);
    if (holder >= 0) {
        const std::wstring text =
            holder == kPauseRow     ? FormatResourceString(IDS_KEY_TAKEN_BY_PAUSE, {TriggerName(trigger)})
            : holder == kNextSetRow ? FormatResourceString(IDS_KEY_TAKEN_BY_NEXT_SET, {TriggerName(trigger)})
                                    : FormatResourceString(IDS_KEY_TAKEN, {TriggerName(trigger), std::to_wstring(holder + 1)});
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
        // The pause and next-set keys have none by default.
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
    if (m_edit == CurrentTriggers()) return true;  // nothing changed: nothing written
    StoreTriggers(m_edit);
    FollowStoredTriggers();
    return true;
}
