// The settings window's page of what holds for the whole program: the
// language it speaks. OK stores a change, and every window shows it at once.
#pragma once

#include "framework/PropertySheet.h"

class CGeneralPage : public CPropertyPage {
public:
    CGeneralPage();

protected:
    void OnInitPage() override;
    bool OnApply() override;
};
