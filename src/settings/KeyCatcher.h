// The settings window's catcher of a new trigger: while it waits it owns the
// keyboard and the mouse, and the first key (with the modifiers held), key
// combination or middle or side button pressed is the trigger. A modifier
// alone waits for its key; Escape, a left or right click or the focus moving
// away stops waiting with nothing caught.
#pragma once

#include <functional>
#include <optional>

#include "framework/Wnd.h"
#include "model/Triggers.h"

class CKeyCatcher : public CWnd {
public:
    using Caught = std::function<void(std::optional<Trigger>)>;

    // Starts waiting; `caught` gets the trigger, or nothing when waiting stopped.
    void Wait(Caught caught);
    bool IsWaiting() const { return m_bWaiting; }

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void Finish(std::optional<Trigger> trigger);

    Caught m_caught;
    bool m_bWaiting = false;
};
