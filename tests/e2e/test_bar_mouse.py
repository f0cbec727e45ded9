"""The bar under the mouse: names on hover, dragging, the pin and the close
button, on the real program."""
import time

import bench

WS_EX_TOPMOST = 0x8


def name_pixels(image, slot):
    """Dark pixels in the strip under a slot's time box, where its name goes."""
    left, _, right, bottom = bench.time_box(slot)
    return [(x, y) for x in range(max(left - 40, 0), min(right + 40, 480)) for y in range(bottom - 2, bottom + 8)
            if sum(image.getpixel((x, y))) < 300]


def move_to(bar, x, y):
    left, top = bar["rect"][:2]
    bench.xdotool("mousemove", left + x, top + y)
    time.sleep(0.4)


def name_width(image, slot):
    xs = [x for x, _ in name_pixels(image, slot)]
    return max(xs) - min(xs) if xs else 0


def test_a_slot_name_shows_as_typed_while_the_pointer_is_over_its_icon(program):
    bench.reg_set("Save", "Name#3", "방어 주문서")
    bench.reg_set("Save", "Name#0", "A&B")
    bench.reg_set("Save", "Name#1", "AB")
    run = program()
    bar = run.bar()
    move_to(bar, 300, 95)  # bare skin
    assert name_pixels(bench.window_image(bar), 3) == []
    move_to(bar, 170, 45)  # icon box of slot 4
    assert len(name_pixels(bench.window_image(bar), 3)) > 20
    move_to(bar, 170, 57)  # where the icon box overlaps its time box: still the icon
    assert name_pixels(bench.window_image(bar), 3)
    move_to(bar, 170, 75)  # time box of slot 4
    assert name_pixels(bench.window_image(bar), 3) == []
    move_to(bar, 125, 45)  # icon box of slot 3, whose name is empty
    image = bench.window_image(bar)
    assert name_pixels(image, 2) == [] and name_pixels(image, 3) == []
    # An "&" is the player's text, not an underline marker: it takes its own place.
    move_to(bar, 35, 45)
    with_ampersand = name_width(bench.window_image(bar), 0)
    move_to(bar, 80, 45)
    assert with_ampersand >= name_width(bench.window_image(bar), 1) + 5


def test_dragging_moves_the_bar_with_the_pointer_and_the_close_remembers_it(program):
    run = program()
    bar = run.bar()
    left, top = bar["rect"][:2]
    bench.drag(bar, 300, 92, 50, 30)
    time.sleep(0.5)
    moved = run.bar()
    assert tuple(moved["rect"][:2]) == (left + 50, top + 30)
    # A press and release without a move leaves it where it is.
    bench.xdotool("mousemove", left + 350, top + 122, "click", "1")
    time.sleep(0.5)
    assert tuple(run.bar()["rect"][:2]) == (left + 50, top + 30)
    assert bench.reg_values("Option") == {}, "nothing is written while the program runs"
    run.alt_f4()
    run.wait_exit()
    option = bench.reg_values("Option")
    assert (option["MainWinLeft"][1], option["MainWinTop"][1]) == (left + 50, top + 30)


def test_the_pin_and_the_stored_place(program):
    bench.reg_set("Option", "AlwaysOnTop", 7)
    bench.reg_set("Option", "MainWinLeft", 100)
    bench.reg_set("Option", "MainWinTop", 200)
    run = program()
    bar = run.bar()
    assert tuple(bar["rect"][:2]) == (100, 200) and bar["exstyle"] & WS_EX_TOPMOST
    assert bench.drawn_at(bench.window_image(bar), bench.art_pixels("pin_on.bmp"), 440, 1)
    run.alt_f4()
    run.wait_exit()
    assert bench.reg_values("Option")["AlwaysOnTop"] == ("REG_DWORD", 7), "written back unchanged"

    run = program()
    bar = run.bar()
    bench.click(bar, 448, 9)
    time.sleep(0.8)
    bar = run.bar()
    assert not bar["exstyle"] & WS_EX_TOPMOST, "unpinning takes the bar off the top"
    assert bench.drawn_at(bench.window_image(bar), bench.art_pixels("pin_off.bmp"), 440, 1)
    bench.click(bar, 440, 9)  # on the pin's edge: outside it
    time.sleep(0.5)
    assert not run.bar()["exstyle"] & WS_EX_TOPMOST
    # A drag that starts on the pin moves the bar and ends by switching the pin.
    bench.drag(bar, 448, 9, -45, 30, steps=3)
    time.sleep(0.5)
    bar = run.bar()
    assert tuple(bar["rect"][:2]) == (55, 230) and bar["exstyle"] & WS_EX_TOPMOST
    run.alt_f4()
    run.wait_exit()
    assert bench.reg_values("Option")["AlwaysOnTop"] == ("REG_DWORD", 1)
