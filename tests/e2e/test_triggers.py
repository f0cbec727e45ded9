"""Each slot's own trigger on the real program: keys, key combinations and
mouse side buttons from another program, what a second press does, the
lockout, and setting a trigger in the settings window."""
import time

import bench

F5, F7 = 0x74, 0x76
CTRL = 2 << 16
SIDE_BUTTON_1 = 0x05
CHANGE, OK, CANCEL = 1101, 1, 2  # the key page's "바꾸기" and the sheet's buttons


def runs(bar, idle, slot):
    """Whether the slot counts: its time is no longer what the idle bar showed."""
    return bench.slot_time(bench.window_image(bar), slot) != bench.slot_time(idle, slot)


def test_keys_combinations_and_a_side_button_from_another_program(program):
    bench.reg_set("Option", "GlobalDigitKeys", 1)
    bench.reg_set("Option", "Key#0", F5)
    bench.reg_set("Option", "Key#1", CTRL | ord("3"))
    bench.reg_set("Option", "Key#2", SIDE_BUTTON_1)
    bench.reg_set("Option", "MainWinLeft", 400)  # clear of the editor, which opens in the middle
    bench.reg_set("Option", "MainWinTop", 0)
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    with bench.notepad() as game:
        bench.key("3")
        bench.key("F5", "ctrl+3")
        left, top = game["rect"][:2]
        bench.xdotool("mousemove", left + 200, top + 120, "click", "8")
        time.sleep(1.5)
        assert [runs(bar, idle, slot) for slot in range(4)] == [True, True, True, False], \
            "F5, Ctrl+3 and the side button start slots 1 to 3; a plain 3 starts nothing"
        text = bench.notepad_text()
        assert text.startswith("3") and len(text) > 5, f"the game got the 3 and F5 inserted the time: {text!r}"

        # The side button over the bar reaches the program once: slot 3 stops and stays stopped.
        bench.xdotool("mousemove", bar["rect"][0] + 300, bar["rect"][1] + 95, "click", "8")
        bench.wait_until(lambda: not runs(bar, idle, 2), 3, 0.1, "slot 3 stopped")
        time.sleep(1.2)
        assert not runs(bar, idle, 2) and runs(bar, idle, 0)

    # In the program's own editor too, but for a character its name box takes.
    left, top, right, bottom = bench.icon_box(4)
    bench.click(bar, (left + right) // 2, (top + bottom) // 2)
    editor = run.editor()
    bench.key("ctrl+3", "3")
    bench.xdotool("mousemove", editor["rect"][0] + 440, editor["rect"][1] + 130, "click", "8")
    bench.wait_until(lambda: not runs(bar, idle, 1), 3, 0.1, "Ctrl+3 from the editor stopped slot 2")
    bench.wait_until(lambda: runs(bar, idle, 2), 3, 0.1, "the side button over the editor started slot 3")
    name = next(c for c in run.editor()["children"] if c["id"] == 1000)
    assert name["text"].endswith("3"), "the name box got its 3"


def end_of(slot):
    return bench.reg_values("Save").get(f"End#{slot}", (None, None))[1]


def test_restart_mode_a_held_press_and_the_lockout(program):
    bench.reg_set("Option", "KeepRunning", 1)  # each action writes the slot's end at once
    bench.reg_set("Option", "Press#3", 1)
    bench.reg_set("Option", "KeyLockout", 600)
    run = program()
    bench.click_bare(run.bar())
    bench.key("4")
    first = bench.wait_until(lambda: end_of(3), 5, 0.1, "slot 4 started")
    time.sleep(2.2)
    bench.key("4")  # a second press restarts it from its full time
    bench.wait_until(lambda: end_of(3) >= first + 2, 5, 0.1, "slot 4 restarted")
    time.sleep(0.8)
    bench.xdotool("keydown", "4")
    time.sleep(1.3)
    bench.xdotool("keyup", "4")  # held for a second or more: stops
    bench.wait_until(lambda: end_of(3) == 0, 5, 0.1, "slot 4 stopped")

    bench.key("5", "5")  # the second within the lockout is ignored
    time.sleep(1.0)
    assert end_of(4) > 0, "slot 5 still runs"
    bench.key("5")  # past it, a press acts again
    bench.wait_until(lambda: end_of(4) == 0, 5, 0.1, "slot 5 stopped")


def catch(sheet, *keys):
    bench.click_control(sheet, CHANGE)
    time.sleep(0.3)
    bench.key(*keys)
    time.sleep(0.3)


def test_the_settings_window_sets_a_trigger_on_ok_only_and_refuses_a_taken_one(program):
    bench.reg_set("Option", "MainWinTop", 0)  # the window opens below the bar
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)

    bench.choose(bar, bench.SETTINGS_ITEM)
    sheet = bench.wait_window(title="설정", visible=True)
    assert sheet["owner"] == run.host["hwnd"], "no taskbar entry of its own"
    catch(sheet, "F7")
    bench.click_control(sheet, CANCEL)
    bench.wait_until(lambda: bench.find_window(title="설정", visible=True) is None, 5, 0.1, "the window closed")
    assert "Key#0" not in bench.reg_values("Option"), "Cancel stores nothing"

    bench.choose(bar, bench.SETTINGS_ITEM)
    sheet = bench.wait_window(title="설정", visible=True)
    catch(sheet, "2")
    box = bench.wait_message_box()
    assert box["text"] == "2 키는 이미 2번 슬롯의 키입니다. 먼저 그 슬롯의 키를 바꾸십시오."
    bench.press(box, bench.IDOK)
    catch(sheet, "d")  # the page's 기본값(&D): the key is the trigger, nothing else happens
    bench.click_control(sheet, OK)
    bench.wait_until(lambda: bench.reg_values("Option").get("Key#0") == ("REG_DWORD", ord("D")), 5, 0.1,
                     "Key#0 stored")
    assert bench.reg_values("Option")["Key#1"] == ("REG_DWORD", ord("2")), "the refused key stays where it was"

    bench.click_bare(bar)  # applied at once: 1 is no slot's now, D is slot 1's
    bench.key("1")
    time.sleep(1.2)
    assert not runs(bar, idle, 0)
    bench.key("d")
    bench.wait_until(lambda: runs(bar, idle, 0), 3, 0.1, "slot 1 started by D")
