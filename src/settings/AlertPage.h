// The settings window's page of alerts: the nine slots of the edited set with
// their end sound, warning, repeat, speech and count past the end, controls below for the slot
// chosen, a try-out of its end as it will be heard, and the one volume. It works on a copy, stored only
// by OK, and then only what changed.
#pragma once

#include <optional>

#include "framework/PropertySheet.h"
#include "model/Alerts.h"
#include "settings/EditedSet.h"
#include "settings/SlotList.h"

class CAlertPage : public CPropertyPage {
public:
    explicit CAlertPage(CEditedSet& set);

protected:
    void OnInitPage() override;
    bool OnCommand(UINT id, UINT code) override;
    bool OnControlNotify(const NMHDR& header, LRESULT* result) override;
    void OnSlide(UINT id) override;
    bool OnApply() override;

private:
    void ShowRow(int row);
    void ShowSelected();
    void ShowVolume();
    std::int32_t ChosenVolume() const;
    // A combo box's new choice, where it is one of 0 to `last`; nothing for any other notification.
    std::optional<int> Chosen(UINT id, UINT code, int last) const;

    CEditedSet& m_set;
    SlotAlerts m_edit;
    CSlotList m_list;
};
