// The settings window's catcher of a new trigger: while it waits it owns the
// keyboard and the mouse, and the first key (with the modifiers held), key
// combination or middle or side button pressed is the trigger, taken when it
// is released: its character and its release go nowhere else (no mnemonic,
// no menu). A modifier alone waits for its key, and so does a key the
// keyboard cannot name (the input method's); Escape, a left or right click
// or the focus moving away before a press stops waiting with nothing caught. The input
// method is off meanwhile, so a letter is its own key in Hangul mode too.
#pragma once

#include <functional>
#include <optional>

#include "framework/Wnd.h"
#include "model/Triggers.h"

class CKeyCatcher : public CWnd {
public:
    using Caught = std::function<void(std::optional<Trigger>)>;
    ~CKeyCatcher() override;

    // Starts waiting; `caught` gets the trigger, or nothing when waiting stopped.
    // While it waits the window asks the dialog for every key (WM_GETDLGCODE).
    void Wait(Caught caught);

protected:
    // Asking for every key, and the characters swallowed, while waiting.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnKey(const KeyEvent& key) override;
    void OnOtherButton(const ButtonEvent& button) override;
    void OnLButtonDown(POINT point) override;
    void OnRButtonDown(POINT point) override;
    void OnCaptureChanged(HWND hWndNew) override;
    void OnCancelMode() override;

private:
    // A press that ends the wait once its key is released.
    void Pressed(unsigned key, std::optional<Trigger> trigger);
    void Released(unsigned key);
    void Finish(std::optional<Trigger> trigger);
    // Gone before the release: what was pressed still counts.
    void Lost();
    void ShutInputMethod(bool shut);

    Caught m_caught;
    bool m_bWaiting = false;
    unsigned m_nPressedKey = 0;  // pressed, its release awaited; 0 for none
    std::optional<Trigger> m_pressed;
    void* m_hInputContext = nullptr;  // the window's own, while the catcher holds it off
};
