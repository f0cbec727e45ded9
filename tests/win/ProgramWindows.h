// The program's real bar and editor, created as the host creates them, for
// tests that drive them with messages; a clean test registry around them.
#pragma once

#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "bar/TimerBarDlg.h"
#include "common/WindowPointers.h"
#include "editor/TimerEditDlg.h"
#include "res/resource.h"

class ProgramWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearTestRegistry();
        SeedRegistry();
        g_pTimerEditDlg = new CTimerEditDlg;
        ASSERT_TRUE(g_pTimerEditDlg->Create(IDD_TIMER_EDIT));
        g_pTimerBarDlg = new CTimerBarDlg;
        ASSERT_TRUE(g_pTimerBarDlg->Create(IDD_TIMER_BAR));
        ::ShowWindow(Bar(), SW_SHOW);
    }
    void TearDown() override
    {
        if (g_pTimerBarDlg) ::DestroyWindow(Bar());
        if (g_pTimerEditDlg) ::DestroyWindow(Editor());
        ClearTestRegistry();
    }
    // Values the windows find when they are created.
    virtual void SeedRegistry() {}

    static HWND Bar() { return g_pTimerBarDlg->m_hWnd; }
    static HWND Editor() { return g_pTimerEditDlg->m_hWnd; }
    static LRESULT Mouse(HWND hWnd, UINT message, int x, int y)
    {
        return ::SendMessageW(hWnd, message, 0, MAKELPARAM(x, y));
    }
    static RECT WindowRect(HWND hWnd)
    {
        RECT rect{};
        ::GetWindowRect(hWnd, &rect);
        return rect;
    }
};
