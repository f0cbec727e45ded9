"""Each slot's own trigger on the real program: keys, key combinations and
mouse side buttons from another program, and setting a trigger in the
settings window. What a second press, a held press and the lockout do is
proven natively and with the real bar."""

import bench

F5, F7 = 0x74, 0x76
CTRL = 2 << 16
SIDE_BUTTON_1 = 0x05
CHANGE, PROMPT, OK = 1101, 1104, 1  # the key page's "바꾸기", its help line, and the sheet's OK


def test_keys_combinations_and_a_side_button_from_another_program(program):
    # The bar clear of the editor, which opens in the middle.
    bench.reg_seed(Option={"GlobalDigitKeys": 1, "Key#0": F5, "Key#1": CTRL | ord("3"), "Key#2": SIDE_BUTTON_1,
                           "MainWinLeft": 400, "MainWinTop": 0})
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    # In the program's own editor too, but for a character its name box takes.
    editor = run.open_editor(4)
    bench.key("ctrl+3", "3")
    bench.xdotool("mousemove", editor["rect"][0] + 440, editor["rect"][1] + 130, "click", "8")
    bench.wait_running(bar, idle, [1, 2], what="Ctrl+3 started slot 2, the side button slot 3")
    name = next(c for c in run.editor()["children"] if c["id"] == 1000)
    assert name["text"].endswith("3"), "the name box got its 3"
    bench.click(editor, 381, 178)  # Cancel
    run.editor(visible=False)

    with bench.notepad() as game:
        bench.key("3")
        bench.key("F5", "ctrl+3")
        left, top = game["rect"][:2]
        bench.xdotool("mousemove", left + 200, top + 120, "click", "8")
        bench.wait_running(bar, idle, [0], what="F5, Ctrl+3 and the side button: a plain 3 starts nothing")
        text = bench.notepad_text()
        assert text.startswith("3") and len(text) > 5, f"the game got the 3 and F5 inserted the time: {text!r}"

        # The side button over the bar reaches the program once: slot 3 starts and
        # stays running while F5 stops slot 1 after it.
        bench.xdotool("mousemove", bar["rect"][0] + 300, bar["rect"][1] + 95, "click", "8")
        bench.key("F5")
        bench.wait_running(bar, idle, [2])

        # The menu over the game leaves the game in front when it closes.
        bench.activate(game)
        bench.open_menu(bar)
        bench.focus(bar)  # the keyboard follows the menu's owner in front, as on Windows
        bench.key("Escape")
        bench.menu_gone()
        assert bench.inspector("foreground")["foreground"] == game["hwnd"]

        # Turned off from the menu: the game's keys are its own again.
        bench.choose(bar, 0)
        assert bench.reg_values("Option")["GlobalDigitKeys"] == ("REG_DWORD", 0)
        bench.activate(game)
        bench.key("F5", "5")
        # The bar gets a key of its own afterwards: once it acts, the game's went by.
        bench.click_bare(bar)
        bench.key("9")
        bench.wait_running(bar, idle, [2, 8], what="slots 1 and 5 not started, 9 from the bar")


def catch(sheet, *keys):
    """The key page's catcher waits for a key, and the keys are pressed."""
    def prompt():
        return bench.control(bench.find_window(title="설정", visible=True), PROMPT)["text"]
    helping = prompt()
    bench.click_control(sheet, CHANGE)
    bench.wait_until(lambda: prompt() != helping, 3, 0.1, "the catcher waiting")
    bench.key(*keys)
    bench.wait_until(lambda: prompt() == helping, 3, 0.1, "the key caught")


def test_the_settings_window_takes_a_real_key_as_the_trigger_and_applies_it_at_ok(program):
    bench.reg_seed(Option={"MainWinTop": 0, "MainWinLeft": 400})  # the window opens below the bar
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)

    sheet = bench.open_settings(bar)
    assert sheet["owner"] == run.host["hwnd"], "no taskbar entry of its own"
    catch(sheet, "d")  # the page's 기본값(&D): the key is the trigger, nothing else happens
    bench.click_control(sheet, OK)
    bench.wait_until(lambda: bench.reg_values("Option").get("Key#0") == ("REG_DWORD", ord("D")), 5, 0.1,
                     "Key#0 stored")
    bench.click_bare(bar)  # applied at once: D is slot 1's, 1 no slot's
    bench.key("d")
    bench.wait_running(bar, idle, [0], what="slot 1 started by D")
    bench.key("1", "d")
    bench.wait_running(bar, idle, [], what="slot 1 stopped by D alone")
