#include "settings/SlotList.h"

#include "framework/PropertySheet.h"

#include "common/SkinnedDialog.h"
#include "framework/CodePage.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "model/IconCatalogue.h"
#include "model/TimerSlots.h"
#include "skin/PixelScale.h"

namespace {

constexpr int kIconSize = 24;
constexpr COLORREF kIconKey = RGB(255, 0, 255);

using ImageListCreateFn = HIMAGELIST WINAPI(int, int, UINT, int, int);
using ImageListAddMaskedFn = int WINAPI(HIMAGELIST, HBITMAP, COLORREF);
using ImageListDestroyFn = BOOL WINAPI(HIMAGELIST);

void InsertItem(HWND hWndList, int row, std::wstring first, int image)
{
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = first.data();
    item.iImage = image;
    ::SendMessageW(hWndList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
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

CSlotList::~CSlotList()
{
    // The list does not own it (LVS_SHAREIMAGELISTS), so it outlives the list's window.
    if (auto* destroy = CommonControls().Get<ImageListDestroyFn>("ImageList_Destroy"); destroy && m_hIcons) {
        destroy(m_hIcons);
    }
}

void CSlotList::Fill(HWND hWndList, const std::vector<std::pair<UINT, int>>& columns, const TimerSlot* slots)
{
    m_hWndList = hWndList;
    ::SetWindowLongPtrW(hWndList, GWL_STYLE, ::GetWindowLongPtrW(hWndList, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    ::SendMessageW(hWndList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT list{};
    ::GetClientRect(hWndList, &list);
    const int width = list.right - list.left - ::GetSystemMetrics(SM_CXVSCROLL);
    for (std::size_t column = 0; column < columns.size(); ++column) {
        std::wstring text = LoadResourceString(columns[column].first);
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        info.pszText = text.data();
        info.cx = width * columns[column].second / 100;
        info.iSubItem = static_cast<int>(column);
        ::SendMessageW(hWndList, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }

    const int scale = PixelScaleFor(WindowDpi(::GetParent(hWndList)), false);
    auto* create = CommonControls().Get<ImageListCreateFn>("ImageList_Create");
    auto* add = CommonControls().Get<ImageListAddMaskedFn>("ImageList_AddMasked");
    if (create && add) m_hIcons = create(kIconSize * scale, kIconSize * scale, ILC_COLOR24 | ILC_MASK, 9, 0);
    if (m_hIcons) ::SendMessageW(hWndList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_hIcons));
    for (int i = 0; i < kTimerSlotCount; ++i) {
        int image = I_IMAGENONE;
        const std::int32_t bitmap = g_iconCatalogue.BitmapOf(g_iconCatalogue.CodeOfSlotIcon(slots[i].icon));
        if (m_hIcons && bitmap != 0) {
            // The list copies the picture; ours goes with the scope.
            if (CBitmap icon; ScaledIcon(static_cast<UINT>(bitmap), scale, icon)) image = add(m_hIcons, icon, kIconKey);
        }
        InsertItem(hWndList, i, std::to_wstring(i + 1), image);
        SetCell(i, 1, MultiByteToWide(SlotName(slots[i])));
    }
}

void CSlotList::AddRow(const std::wstring& first, const std::wstring& name)
{
    const auto row = static_cast<int>(::SendMessageW(m_hWndList, LVM_GETITEMCOUNT, 0, 0));
    InsertItem(m_hWndList, row, first, I_IMAGENONE);
    SetCell(row, 1, name);
}

void CSlotList::SetCell(int row, int column, std::wstring text)
{
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    ::SendMessageW(m_hWndList, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

int CSlotList::Selected() const
{
    return static_cast<int>(
        ::SendMessageW(m_hWndList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CSlotList::Select(int row)
{
    LVITEMW selected{};
    selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(m_hWndList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&selected));
}
