"""Start-up, the host window, the key filter and the slots' round trip through
the registry, on the real program."""
import subprocess

import pytest

import bench

DEFAULT_ICONS = [0, 14, 3, 4, 6, 11, 12, 21, 22]
DEFAULT_TIMES = [1800, 1200, 240, 240, 90, 1200, 1200, 3600, 7200]
CENTRED = (400, 350)  # (1280 - 480) / 2, (800 - 100) / 2 on the test display

WM_SYSCOMMAND = 0x0112
WM_QUERYENDSESSION = 0x0011
WM_ENDSESSION = 0x0016
WM_QUIT, WM_KEYDOWN, WM_KEYUP, WM_COMMAND = 0x0012, 0x0100, 0x0101, 0x0111
VK_CANCEL, VK_EXECUTE = 0x03, 0x2B  # Ctrl+Break, Execute


def test_first_run_shows_the_host_and_the_bars_close_button_saves_the_defaults(program):
    run = program()
    assert tuple(run.bar()["rect"][:2]) == CENTRED
    host = run.host
    assert host["title"] == bench.TITLE
    assert host["rect"] == [0, 0, 0, 0]
    assert host["visible"], "the modal loop shows the host at its first idle moment"
    assert host["enabled"] and not host["iconic"]
    assert host["exstyle"] & bench.WS_EX_APPWINDOW
    assert host["owner"] == "0x0"
    # The host is the program's only window that can carry a taskbar entry.
    entries = [w for w in bench.windows() if w["visible"] and w["owner"] == "0x0"
               and not w["exstyle"] & bench.WS_EX_TOOLWINDOW]
    assert [w["hwnd"] for w in entries] == [host["hwnd"]]

    bench.click(run.bar(), 465, 8)
    run.wait_exit()
    values = bench.reg_values("Save")
    assert len(values) == 27
    for i in range(9):
        assert values[f"Icon#{i}"] == ("REG_DWORD", DEFAULT_ICONS[i])
        assert values[f"Time#{i}"] == ("REG_DWORD", DEFAULT_TIMES[i])
        assert values[f"Name#{i}"] == ("REG_SZ", "")
    option = bench.reg_values("Option")
    assert (option["MainWinLeft"], option["MainWinTop"]) == (("REG_DWORD", CENTRED[0]), ("REG_DWORD", CENTRED[1]))
    assert option["AlwaysOnTop"] == ("REG_DWORD", 0)
    assert set(option) == {"MainWinLeft", "MainWinTop", "AlwaysOnTop", "SelectIconWinLeft", "SelectIconWinTop"}


def end_the_session(run):
    assert bench.send(run.host, WM_QUERYENDSESSION, 0, 0)["result"] == 1
    assert bench.send(run.host, WM_ENDSESSION, 1, 0)["ok"]


# Alt+F4 on the host ends the drag's and the update's tests, Alt+F4 on the
# editor the editor's; the session's end has its own test below; each
# window's writes are proven at the Win32 layer.
def test_no_key_or_command_closes_or_hides_a_window_and_a_quit_still_saves(program):
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    visible = {w["hwnd"] for w in bench.windows() if w["visible"]}
    bench.focus(run.host)
    bench.key("Return", "Escape", "KP_Enter", "F1")  # no help window either
    for command in (0x0010, 0x001F):  # the about-box range of the system menu: no about box
        assert bench.send(run.host, WM_SYSCOMMAND, command)["ok"]
    assert bench.send(run.host, WM_ENDSESSION, 0, 0)["ok"], "a session end called off"
    for window in (run.host, bar, run.editor(visible=False)):
        for vk in (VK_CANCEL, VK_EXECUTE):
            bench.post(window, WM_KEYDOWN, vk, 0)
        for command in (1, 2):  # OK, Cancel
            bench.post(window, WM_COMMAND, command, 0)
    # The bar's queue holds them in order: once a key posted after them acts, all were handled.
    bench.post(bar, WM_KEYUP, 0x39, 0)
    bench.wait_running(bar, idle, [8])
    assert run.running() and bench.find_window(title=bench.TITLE)["visible"]
    assert {w["hwnd"] for w in bench.windows() if w["visible"]} == visible
    assert bench.reg_values("Save") == {}, "nothing is saved before a close"
    # A quit from outside ends the program; the slots are saved all the same.
    bench.post(run.host, WM_QUIT, 0, 0)
    run.wait_exit()
    assert len(bench.reg_values("Save")) == 27


def test_a_second_start_brings_the_running_copys_bar_forward_and_writes_nothing(program):
    run = program()
    bar = run.bar()
    bench.click(bar, 35, 45)  # the editor takes the foreground
    editor = run.editor()
    assert bench.inspector("foreground")["foreground"] == editor["hwnd"]

    second = subprocess.run(["wine", bench.EXE], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
    assert second.returncode == 0
    bench.wait_until(lambda: bench.inspector("foreground")["foreground"] == bar["hwnd"], 5, 0.2,
                     "the bar in front")
    assert len([w for w in bench.windows() if w["title"] == bench.TITLE]) == 1
    assert bench.reg_values("Save") == {} and bench.reg_values("Option") == {}
    assert run.running()


def report_of_a_long_name(run):
    """OK in the editor on a slot whose stored name is too long: the report's box is up."""
    bench.click(run.bar(), 80, 45)
    editor = run.editor()
    bench.click(editor, 321, 178)
    return bench.wait_message_box()


def the_menu(run):
    bench.open_menu(run.bar())


@pytest.mark.parametrize("inside", [report_of_a_long_name, the_menu], ids=["report box", "menu"])
def test_a_session_end_inside_a_box_or_the_menu_saves_everything_and_ends_cleanly(program, inside):
    bench.reg_seed(Save={"Name#1": "가나다라마바사아자차카a"},  # 23 bytes, stored by hand
                   Option={"AlwaysOnTop": 1, "SelectIconWinLeft": 440, "SelectIconWinTop": 90})
    run = program()
    run.bar()
    inside(run)
    bench.reg_clear()
    end_the_session(run)
    saved = bench.reg_values("Save")
    assert len(saved) == 27 and saved["Name#1"] == ("REG_SZ", "가나다라마바사아자차카a")
    option = bench.reg_values("Option")
    assert {name: option[name][1] for name in option} == {
        "MainWinLeft": CENTRED[0], "MainWinTop": CENTRED[1], "AlwaysOnTop": 1,
        "SelectIconWinLeft": 440, "SelectIconWinTop": 90}
    # The box's or the menu's code goes on safely, and writes nothing after the save.
    boxes = bench.message_boxes()
    if boxes:
        bench.press(boxes[0], bench.IDOK)
    else:
        bench.key("Escape")
    run.wait_exit()
    assert run.process.returncode == 0
    assert bench.reg_values("Save") == saved and bench.reg_values("Option") == option
