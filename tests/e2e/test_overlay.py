"""The bar over a game, as the player sees and clicks it: a see-through bar
blended over what lies beneath (a compositing manager on the display, as a
desktop has), clicks passed to the game, and Ctrl to take them back. How a
hovered bar shows in full, and the entry that starts the program with Windows,
are shown with the real windows at the Win32 layer."""
import contextlib
import subprocess

import bench

WS_EX_TRANSPARENT = 0x20
CLICK_THROUGH_ITEM = 4


def the_bar():
    return bench.find_window(title="", cls="#32770", visible=True, size=bench.BAR_SIZE)


def wait_bar(check, what):
    return bench.wait_until(lambda: (lambda bar: bar if check(bar) else None)(the_bar()), 5, 0.05, what)


@contextlib.contextmanager
def compositor():
    """A compositing manager, which blends a window's alpha over what is beneath."""
    manager = subprocess.Popen(["xcompmgr"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        yield
    finally:
        manager.kill()
        manager.wait()


def blended_off(opaque, shown, beneath, alpha):
    """How far, at most, the pixels shown are from the opaque ones blended over `beneath`."""
    worst = 0
    for (r, g, b), seen in zip(opaque.getdata(), shown.getdata()):
        wanted = [(alpha * c + (255 - alpha) * under) / 255 for c, under in zip((r, g, b), beneath)]
        worst = max(worst, max(abs(w - s) for w, s in zip(wanted, seen)))
    return worst


def test_at_60_percent_the_bar_blends_over_what_lies_beneath(program):
    bench.reg_seed(Option={"Opacity": 60, "MainWinLeft": 200, "MainWinTop": 200})
    run = program()
    bar = run.bar()  # painted: without a compositor the display shows it opaque
    assert bar["alpha"] == 153
    inner = (10, 25, 470, 90)  # inside the skin's rounded edge
    opaque = bench.window_image(bar).crop(inner)
    with compositor():
        def blended():
            shot = bench.screenshot()
            beneath = shot.getpixel((bar["rect"][0] - 20, bar["rect"][1] + 50))  # the desktop beside the bar
            return beneath != (0, 0, 0) and blended_off(opaque, bench.window_image(bar, shot).crop(inner),
                                                        beneath, 153) <= 3

        bench.wait_until(blended, 10, 0.2, "the bar blended at 60 % over the compositor's desktop")


def test_clicks_pass_to_the_game_beneath_but_while_ctrl_is_held(program):
    bench.reg_seed(Option={"ClickThrough": 1, "AlwaysOnTop": 1, "MainWinLeft": 20, "MainWinTop": 600})
    run = program()
    with bench.notepad(0, 560):
        bar = run.bar()
        assert bar["exstyle"] & WS_EX_TRANSPARENT
        locked = bench.window_image(bar).crop((7, 3, 200, 20)).tobytes()
        # A right click on the bar is the game's: notepad's own menu opens.
        bench.click(bar, 300, 60, button=3)
        bench.wait_window(cls="#32768", visible=True, process="notepad.exe")
        bench.key("Escape")
        bench.wait_until(lambda: bench.find_window(cls="#32768", visible=True, process="notepad.exe") is None,
                         5, 0.1, "notepad's menu to close")
        assert bench.find_window(cls="#32768", visible=True) is None, "no menu of the bar's"
        bench.xdotool("mousemove", bar["rect"][0] + 300, bar["rect"][1] + 60, "keydown", "ctrl")
        try:
            wait_bar(lambda b: not b["exstyle"] & WS_EX_TRANSPARENT, "the bar taking the mouse with Ctrl held")
            bench.click(bar, 35, 45)  # slot 1's icon
            run.editor()
            bench.choose(bar, CLICK_THROUGH_ITEM)
        finally:
            bench.xdotool("keyup", "ctrl")
        bench.wait_until(lambda: bench.reg_values("Option")["ClickThrough"][1] == 0, 5, 0.1, "click-through off")
        bench.wait_changed(lambda: bench.window_image(the_bar()).crop((7, 3, 200, 20)).tobytes(), locked,
                           what="the lock gone from the title")
        assert bench.open_menu(bar)["process"] == "Tavorin.exe", "the bar's own menu again, Ctrl or not"
        bench.xdotool("mousemove", 5, 5, "click", "1")
        bench.menu_gone()

