// The set the settings window was opened for. Its pages show that set's
// slots as they were then and store the player's changes into it, whichever
// set shows when OK is pressed; where it was deleted meanwhile, nothing of it
// is stored and the player is told, once.
#pragma once

#include <string>

#include "sets/Sets.h"

class CEditedSet {
public:
    CEditedSet();

    SetId Id() const { return m_id; }
    // As it was when the window opened.
    const TimerSet& AtOpen() const { return m_atOpen; }
    // Before a page stores into it: whether it is still there.
    bool StillThere();

private:
    SetId m_id;
    TimerSet m_atOpen;
    std::wstring m_name;
    bool m_bTold = false;
};
