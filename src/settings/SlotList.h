// The settings pages' list of the nine slots of a set: a report list
// with one row per slot (its number, icon at the program's whole-pixel scale,
// and name), columns of the page's own after those, and rows of its own below.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "model/TimerSlots.h"

class CSlotList {
public:
    CSlotList() = default;
    CSlotList(const CSlotList&) = delete;
    CSlotList& operator=(const CSlotList&) = delete;
    ~CSlotList();

    // The list control of a page, its columns (text, share of the width in
    // percent; the slot's number and name first) and the nine slots' rows.
    void Fill(HWND hWndList, const std::vector<std::pair<UINT, int>>& columns, const TimerSlot* slots);
    // A row of the page's own below the slots.
    void AddRow(const std::wstring& first, const std::wstring& name);
    void SetCell(int row, int column, std::wstring text);
    int Selected() const;  // -1 for none
    void Select(int row);

private:
    HWND m_hWndList = nullptr;
    HIMAGELIST m_hIcons = nullptr;
};
