// The settings window's first page: the nine slots of the edited set with
// their icon, name, trigger and what a second press does, the program's own
// pause and next-set keys, which no slot of any set may have; a new trigger is
// caught from the keyboard or the mouse; the lockout against double presses;
// the one game the triggers from other programs may be limited to. It works
// on a copy; OK stores what the player changed there, and nothing else.
#pragma once

#include <string>

#include "framework/PropertySheet.h"
#include "model/Triggers.h"
#include "settings/EditedSet.h"
#include "settings/KeyCatcher.h"
#include "settings/SlotList.h"

class CKeyPage : public CPropertyPage {
public:
    explicit CKeyPage(CEditedSet& set);

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
    // Who else has the trigger: told to the player, or empty where no one has.
    std::wstring Holder(Trigger trigger, int row) const;
    void StoreChanges();

    CEditedSet& m_set;
    SlotTriggers m_shown;  // the edited set's keys and the program's, as the page opened
    SlotTriggers m_edit;
    CKeyCatcher m_catcher;
    CSlotList m_list;
};
