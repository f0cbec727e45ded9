// The settings window's page of the bar over a game: its opacity, whether
// clicks pass through it, and whether Windows starts the program at log-on.
// OK stores only what changed, and the bar follows at once.
#pragma once

#include "framework/PropertySheet.h"

class CWindowPage : public CPropertyPage {
public:
    CWindowPage();

protected:
    void OnInitPage() override;
    bool OnApply() override;

private:
    bool m_startsWithWindows = false;  // as the Run key held it when the page opened
};
