"""The bar and the editor as a screen reader reads them, across processes as
NVDA or Narrator does (the inspector asks through AccessibleObjectFromWindow):
the bar's nine named slots with their times, title, pin and close button,
idle, running, in the warning, after a set switch and a language change; the
editor's cells, arrows and digits. What readers are told at each change is
proven at the Win32 layer."""
import re

import bench

F9 = 0x78
PSM_SETCURSEL, CB_SETCURSEL, WM_COMMAND, CBN_SELCHANGE = 0x0465, 0x014E, 0x0111, 1
GENERAL_PAGE, LANGUAGE, ENGLISH = 3, 1500, 2
LIST_ITEM, STATIC_TEXT, PUSH_BUTTON, PRESSED, SELECTED = 34, 41, 43, 0x8, 0x2
HOURS_UP, HOURS, COOLDOWN_MINUTES, OK = 25, 26, 38, 43  # the editor's parts after its 24 cells


def parts(bar):
    tree = bench.inspector("accessible", bar["hwnd"])
    assert tree["ok"], tree
    return tree["parts"]


def test_nine_named_timers_a_title_a_pin_and_a_close_in_every_phase_set_and_language(program):
    bench.reg_seed(Option={"NextSetKey": F9, "MainWinLeft": 100, "MainWinTop": 0}, Save={"Name#2": "해독제", "Time#1": 30},
                   Set1={"SetName": "B", "Name#2": "물약"})  # slot 2 in its red minute from the start
    run = program()
    bar = run.bar()
    idle = parts(bar)
    assert [p["role"] for p in idle[1:]] == [LIST_ITEM] * 9 + [STATIC_TEXT, PUSH_BUTTON, PUSH_BUTTON]
    assert [(p["name"], p["value"], p["shortcut"]) for p in idle[1:4]] == [
        ("1", "0:30:00", "1"), ("2", "0:00:30", "2"), ("3: 해독제", "0:04:00", "3")]
    assert idle[10]["name"].startswith("Tavorin") and idle[0]["name"] == idle[10]["name"]
    assert (idle[11]["name"], idle[11]["action"], idle[12]["name"]) == ("항상 위에 고정", "누르기", "닫기")
    left, top = bar["rect"][:2]
    assert idle[1]["location"] == [left + 20, top + 30, 30, 30], "slot 1's icon box on the screen"

    bench.click_bare(bar)
    bench.key("1", "2")
    bench.wait_until(lambda: parts(bar)[2]["value"].startswith("경고"), 5, 0.1, "slot 2 read in its warning")
    running = parts(bar)
    assert re.fullmatch(r"실행 중, 0:(30:00|29:[45]\d) 남음", running[1]["value"]), running[1]
    assert re.fullmatch(r"경고, 0:00:[23]\d 남음", running[2]["value"]), running[2]
    assert bench.inspector("foreground")["foreground"] == bar["hwnd"], "reading takes no focus from where it was"

    # The pin pressed by a reader, as a click does; the bar stays where it is.
    assert bench.inspector("press", bar["hwnd"], 11)["ok"]
    bench.wait_until(lambda: parts(bar)[11]["state"] & PRESSED, 5, 0.1, "the pin pressed")

    bench.key("F9")  # set B: its own slot 3, nothing running
    bench.wait_until(lambda: parts(bar)[3]["name"] == "3: 물약", 5, 0.1, "set B's names read")
    assert parts(bar)[1]["value"] == "0:30:00" and "B" in parts(bar)[10]["name"]

    sheet = bench.open_settings(bar, "설정: B")
    bench.send(sheet, PSM_SETCURSEL, GENERAL_PAGE, 0)
    page = bench.wait_until(lambda: next((c for c in bench.find_window(title=sheet["title"], visible=True)["children"]
                                          if c["id"] == LANGUAGE and c["visible"]), None), 5, 0.1, "the general page")
    bench.send(page, CB_SETCURSEL, ENGLISH, 0)
    bench.send(bench.find_window(title=sheet["title"], visible=True), WM_COMMAND, (CBN_SELCHANGE << 16) | LANGUAGE,
               int(page["hwnd"], 16))
    bench.click_control(sheet, 1)  # OK
    bench.wait_until(lambda: parts(bar)[11]["name"] == "Always on top", 5, 0.1, "read in English")
    english = parts(bar)
    assert (english[12]["name"], english[1]["action"]) == ("Close", "Edit")


def test_the_editors_cells_arrows_and_digits_are_named_and_pressed_as_clicked(program):
    bench.reg_seed(Save={"Time#3": 5400, "Cooldown#3": 120})
    run = program()
    editor = run.open_editor(3)
    read = parts(editor)
    assert len(read) == 1 + 24 + 18 + 2
    assert (read[5]["name"], read[5]["state"] & SELECTED) == ("아이콘 5: 방패", SELECTED), "slot 4's icon chosen"
    assert [p["name"] for p in read[HOURS_UP:HOURS_UP + 3]] == ["시 올리기", "시", "시 내리기"]
    assert (read[HOURS]["value"], read[COOLDOWN_MINUTES]["name"], read[COOLDOWN_MINUTES]["value"]) == (
        "01", "재사용 분", "02")
    assert bench.inspector("press", editor["hwnd"], HOURS_UP)["ok"]
    bench.wait_until(lambda: parts(editor)[HOURS]["value"] == "02", 5, 0.1, "an hour more, read back")
    assert bench.inspector("press", editor["hwnd"], OK)["ok"]
    run.editor(visible=False)
    assert bench.reg_values("Save")["Time#3"] == ("REG_DWORD", 5400 + 3600)
