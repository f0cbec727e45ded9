// The settings window's first page: the nine slots with their icon, name,
// trigger and what a second press does, the pause and next-set keys; a new trigger is
// caught from the keyboard or the mouse; the lockout against double presses;
// the one game the triggers from other programs may be limited to. It works
// on a copy, stored only by OK.
#pragma once

#include <string>

#include "framework/PropertySheet.h"
#include "model/Triggers.h"
#include "settings/KeyCatcher.h"
#include "settings/SlotList.h"

class CKeyPage : public CPropertyPage {
public:
    CKeyPage();

protected:
    void OnInitPage() override;
    bool OnCommand(UINT id, UINT code) override;
    bool OnControlNotify(const NMHDR& header, LRESULT* result) override;
    bool OnApply() override;

private:
    void FillList();
    void ShowRow(int row);
    // The trigger a row sets: a slot's, the pause key's or the next-set key's.
    Trigger& TriggerOfRow(int row);
    void FillGames();
    std::wstring ChosenGame() const;
    int SelectedSlot() const;
    void ShowSelectedPress();
    // Sets the selected slot's trigger unless another slot has it, which the player is told.
    void TakeTrigger(Trigger trigger);
    void ShowHelp(bool waiting);

    SlotTriggers m_edit;
    CKeyCatcher m_catcher;
    CSlotList m_list;
};
