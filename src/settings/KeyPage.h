// The settings window's first page: the nine slots with their icon, name,
// trigger and what a second press does; a new trigger is caught from the
// keyboard or the mouse; the lockout against double presses. It works on a
// copy, stored only by OK.
#pragma once

#include "framework/PropertySheet.h"
#include "model/Triggers.h"
#include "settings/KeyCatcher.h"

class CKeyPage : public CPropertyPage {
public:
    CKeyPage();
    ~CKeyPage() override;

protected:
    void OnInitPage() override;
    void OnCommand(UINT id, UINT code) override;
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnApply() override;

private:
    void FillList();
    void ShowRow(int slot);
    int SelectedSlot() const;
    void ShowSelectedPress();
    // Sets the selected slot's trigger unless another slot has it, which the player is told.
    void TakeTrigger(Trigger trigger);
    void ShowHelp(bool waiting);

    SlotTriggers m_edit;
    CKeyCatcher m_catcher;
    HIMAGELIST m_hIcons = nullptr;
};
