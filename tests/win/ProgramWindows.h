// The program's real bar and editor, created as the host creates them, for
// tests that drive them with messages; a clean test registry around them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "WinTestSupport.h"
#include "bar/TimerBarDlg.h"
#include "sets/Sets.h"
#include "editor/TimerEditDlg.h"
#include "model/TimerSlots.h"
#include "res/resource.h"

class ProgramWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearTestRegistry();
        std::copy(std::begin(g_timerSlots), std::end(g_timerSlots), m_slotsBefore);
        SeedRegistry();
        LoadSets();  // as the host does, before the windows come
        ASSERT_TRUE(CDialog::CreateSelfDeleting(new CTimerEditDlg, IDD_TIMER_EDIT));
        ASSERT_TRUE(CDialog::CreateSelfDeleting(new CTimerBarDlg, IDD_TIMER_BAR));
        ::ShowWindow(Bar(), SW_SHOW);
    }
    void TearDown() override
    {
        if (Bar()) ::DestroyWindow(Bar());
        if (Editor()) ::DestroyWindow(Editor());
        std::copy(std::begin(m_slotsBefore), std::end(m_slotsBefore), g_timerSlots);
        ClearTestRegistry();
        LoadSets();
    }
    // Values the windows find when they are created.
    virtual void SeedRegistry() {}

    static HWND Bar() { return CProgramDialog::BarWindow(); }
    static HWND Editor() { return CProgramDialog::EditorWindow(); }
    // As a click on the slot's icon opens it.
    static void OpenEditor(int slot, bool pinned = false)
    {
        ::SendMessageW(Editor(), kOpenSlotMessage, static_cast<WPARAM>(slot), pinned ? 1 : 0);
    }
    static LRESULT Mouse(HWND hWnd, UINT message, int x, int y)
    {
        return ::SendMessageW(hWnd, message, 0, MAKELPARAM(x, y));
    }
    // The slots running now, each stopped again.
    static std::vector<int> TakeRunning()
    {
        std::vector<int> running;
        for (int i = 0; i < kTimerSlotCount; ++i) {
            if (g_timerSlots[i].state == ::Running) running.push_back(i);
            g_timerSlots[i].state = Idle;
        }
        return running;
    }
    TimerSlot m_slotsBefore[kTimerSlotCount];  // each test leaves the slots as it found them

    static RECT WindowRect(HWND hWnd)
    {
        RECT rect{};
        ::GetWindowRect(hWnd, &rect);
        return rect;
    }
};
