"""The timer editor on the real program: opened from the bar, driven by real
mouse and keyboard input, committing into the slots and the registry."""
import time

import bench

# Catalogue codes in cell order.
CODES = [1001, 1002, 2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008, 2009, 2010,
         3045, 3058, 3002, 3018, 4001, 4002, 4003, 5001, 5002, 5003, 5004, 5005]
RED, BLACK = (255, 0, 0), (0, 0, 0)
# Client points of the editor's places.
HOUR_UP, HOUR_DIGITS, MINUTE_DIGITS, SECOND_DIGITS = (89, 139), (89, 159), (139, 159), (189, 159)
SECOND_DOWN, OK, CANCEL, BARE = (189, 179), (321, 178), (381, 178), (440, 130)
DIGIT_BOXES = {"hours": (80, 148, 98, 170), "minutes": (130, 148, 148, 170), "seconds": (180, 148, 198, 170)}


def cell_point(cell):
    return 36 + 36 * (cell % 12), 51 + 35 * (cell // 12)


def click(editor, point, button=1):
    bench.click(editor, *point, button=button)


def hold(editor, point, seconds):
    """A left press held for `seconds` (the input itself), then its release."""
    left, top = editor["rect"][:2]
    bench.xdotool("mousemove", left + point[0], top + point[1], "mousedown", 1)
    time.sleep(seconds)
    bench.xdotool("mouseup", 1)


def commit(run, editor):
    """OK, and the editor hidden: the commit has been written."""
    click(editor, OK)
    run.editor(visible=False)


saved = bench.saved_slot


def digits(editor):
    image = bench.window_image(editor)
    return {name: bench.region_of(image, box) for name, box in DIGIT_BOXES.items()}


def name_of(run):
    return next(c for c in run.editor()["children"] if c["id"] == 1000)


def test_the_editor_opens_on_a_clicked_slot_and_commits_what_the_buttons_set(program):
    bench.reg_seed(Save={"Time#2": 5400, "Icon#2": 13, "Name#2": "해독제"})  # a catalogue index: cell 13
    run = program()
    editor = run.open_editor(2)

    # Centred in the 1280 x 800 work area, the skin's size, its corners cut away.
    assert editor["rect"] == [400, 290, 880, 510]
    image = bench.window_image(editor)
    assert bench.pixel(image, 0, 0) != bench.pixel(image, 10, 10)
    name_box = next(c for c in editor["children"] if c["id"] == 1000)
    assert name_box["text"] == "해독제"
    assert bench.inspector("foreground")["focus"] == name_box["hwnd"], "typing goes to the name"
    # The slot's icon has the red 3-pixel frame; every other cell a black one.
    assert bench.pixel(image, 72, 70) == RED and bench.pixel(image, 72, 71) == RED
    assert bench.pixel(image, 36, 70) == BLACK and bench.pixel(image, 36, 71) != BLACK
    assert bench.drawn_at(image, bench.art_pixels("icon20014.bmp"), 60, 74)

    # One hour up changes the hours box alone; OK commits it at once.
    before = digits(editor)
    click(editor, HOUR_UP)
    after = bench.wait_changed(lambda: digits(editor), before, what="the hours box")
    assert after["hours"] != before["hours"]
    assert (after["minutes"], after["seconds"]) == (before["minutes"], before["seconds"])
    commit(run, editor)
    assert saved(2) == {"Icon": 3058, "Time": 9000, "Name": "해독제"}

    # A left hold on the hours box counts up every 30 ms (which button steps
    # which way, and the wrap of each column, are shown natively).
    editor = run.open_editor(2)
    hold(editor, HOUR_DIGITS, 1.8)
    commit(run, editor)
    raised = saved(2)["Time"]
    assert raised % 3600 == 1800 and 2 + 10 <= raised // 3600 <= 99

    # Each wheel notch over a column is one step of that column.
    editor = run.open_editor(2)
    left, top = editor["rect"][:2]
    bench.xdotool("mousemove", left + MINUTE_DIGITS[0], top + MINUTE_DIGITS[1])
    for button in (4, 4, 4, 5):
        bench.xdotool("click", button)
    bench.xdotool("mousemove", left + 115, top + 157)  # over the colon: nothing
    bench.xdotool("click", 4)
    commit(run, editor)
    assert saved(2)["Time"] == raised + 2 * 60



def test_cancel_and_double_click_and_the_name_limit(program):
    bench.reg_set("Save", "Name#4", "불꽃")
    run = program()
    stored = None

    # Changes then Cancel: the slot stays as it was, and nothing is written.
    editor = run.open_editor(4)
    for point in (HOUR_UP, HOUR_UP, cell_point(20), SECOND_DOWN):
        click(editor, point)
    click(editor, CANCEL)
    run.editor(visible=False)
    assert saved(4) == {"Name": "불꽃"}

    # The name box takes 20 bytes: ten Korean syllables, not an eleventh, as the input method hands them over.
    editor = run.open_editor(4)
    click(editor, (300, 137))  # into the name box
    bench.key("ctrl+a", "BackSpace")
    bench.wait_until(lambda: name_of(run)["text"] == "", 3, 0.1, "the name box emptied")
    # A backspace after them takes the tenth away: had the eleventh gone in, nine would never show.
    bench.type_text(name_of(run), "가나다라마바사아자차카\b")
    bench.wait_until(lambda: name_of(run)["text"] == "가나다라마바사아자", 5, 0.1, "ten syllables in, then one out")
    visible_before = {w["hwnd"] for w in bench.windows() if w["visible"]}
    # Enter, Escape and F1 in the name box neither commit, close nor open anything.
    before = digits(editor)
    bench.key("Return", "Escape", "F1")
    click(editor, HOUR_UP)  # the next input, once the keys are handled
    bench.wait_changed(lambda: digits(editor), before, what="the hours box")
    assert {w["hwnd"] for w in bench.windows() if w["visible"]} == visible_before

    # A double-click on a cell commits icon and duration and keeps the old name.
    left, top = editor["rect"][:2]
    x, y = cell_point(9)
    bench.xdotool("mousemove", left + x, top + y, "click", "--repeat", "2", "--delay", "80", "1")
    run.editor(visible=False)
    stored = saved(4)
    assert stored == {"Icon": CODES[9], "Time": 3600 + 90, "Name": "불꽃"}


def test_a_running_slot_keeps_counting_and_the_editor_keeps_its_place(program):
    long_name = "가나다라마바사아자차카a"  # 23 bytes, stored by hand
    bench.reg_set("Save", "Name#1", long_name)
    run = program()
    bar = run.bar()
    bench.key("2")  # slot 2 runs

    # Dragged by its bare face off the bar, which it covers when both are centred.
    editor = run.open_editor(1)
    bench.drag(editor, *BARE, 40, -200)
    bench.wait_until(lambda: run.editor()["rect"][:2] == [440, 90], 3, 0.1, "the editor dragged")

    # Another icon re-opens the editor on its slot and drops the edit.
    editor = run.open_editor(1)
    click(editor, HOUR_UP)
    editor = run.open_editor(3)
    assert [c["text"] for c in editor["children"] if c["id"] == 1000] == [""]
    editor = run.open_editor(1)
    click(editor, HOUR_UP)
    # A stored name over 20 bytes is reported at OK; the commit goes on.
    click(editor, OK)
    box = bench.wait_message_box()
    assert box["text"] == "20 이하의 문자를 입력하십시오."
    bench.press(box, bench.IDOK)
    run.editor(visible=False)
    assert saved(1) == {"Icon": CODES[14], "Time": 1200 + 3600, "Name": long_name}
    # The commit left the running slot counting its old remaining time.
    bench.wait_changed(lambda: bench.region_of(bench.window_image(bar), bench.time_box(1)),
                       bench.region_of(bench.window_image(bar), bench.time_box(1)), 3, "slot 2 counting on")

    # Alt+F4 on the editor ends the program, saving everything.
    run.alt_f4(run.open_editor(5))
    run.wait_exit()
    option = bench.reg_values("Option")
    assert (option["SelectIconWinLeft"][1], option["SelectIconWinTop"][1]) == (440, 90)
    assert len(bench.reg_values("Save")) == 27


AWAY = {"SelectIconWinLeft": 440, "SelectIconWinTop": 90}  # the editor clear of the bar


def test_a_commit_waiting_on_the_long_name_report_lands_on_its_own_slot(program):
    long_name = "가나다라마바사아자차카a"  # 23 bytes, stored by hand
    bench.reg_seed(Save={"Name#1": long_name, "Name#0": "해독제"}, Option=AWAY)
    run = program()
    editor = run.open_editor(1)
    click(editor, cell_point(5))
    click(editor, HOUR_UP)
    click(editor, OK)
    box = bench.wait_message_box()
    # The bar stays usable under the report (which sits over its middle):
    # slot 1's icon opens the editor on slot 1.
    left, top, right, bottom = bench.icon_box(0)
    bench.click(run.bar(), (left + right) // 2, (top + bottom) // 2)
    bench.wait_until(lambda: name_of(run)["text"] == "해독제", 3, 0.1, "the editor on slot 1")
    bench.press(box, bench.IDOK)
    bench.wait_until(lambda: saved(1).get("Icon") == CODES[5], 5, 0.1, "slot 2 committed")
    assert saved(1) == {"Icon": CODES[5], "Time": 1200 + 3600, "Name": long_name}
    assert saved(0) == {"Name": "해독제"}, "slot 1 is not touched"
    assert name_of(run)["text"] == "해독제", "slot 1's edit goes on"


def test_a_double_click_commits_on_a_cell_leaving_the_keys_to_the_bar_and_steps_twice_on_an_arrow(program):
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    editor = run.open_editor(4)
    left, top = editor["rect"][:2]
    x, y = cell_point(9)
    # The second press moves a little before its release, as a hand does.
    bench.xdotool("mousemove", left + x, top + y, "click", 1, "mousedown", 1)
    for step in range(1, 4):
        bench.xdotool("mousemove", left + x + step, top + y + step)
    bench.xdotool("mouseup", 1)
    run.editor(visible=False)
    assert bench.inspector("foreground")["active"] != editor["hwnd"], "a hidden editor is never active"
    bench.key("1")
    bench.wait_until(lambda: bench.runs(bar, idle, 0), 5, 0.1, "slot 1 started by its key")
    assert saved(4)["Icon"] == CODES[9]

    # A double-click on an arrow steps twice.
    editor = run.open_editor(0)
    left, top = editor["rect"][:2]
    bench.xdotool("mousemove", left + HOUR_UP[0], top + HOUR_UP[1], "click", "--repeat", "2", "--delay", "80", 1)
    commit(run, editor)
    assert saved(0)["Time"] == 1800 + 2 * 3600
