"""The bar under the mouse: names on hover, dragging, the pin and the close
button, on the real program."""
import bench

WS_EX_TOPMOST = 0x8


def name_pixels(image, slot):
    """Dark pixels in the strip under a slot's time box, where its name goes."""
    left, _, right, bottom = bench.time_box(slot)
    # Inside the skin's edge: the frame's own dark line is no part of a name.
    return [(x, y) for x in range(max(left - 40, 2), min(right + 40, 478)) for y in range(bottom - 2, bottom + 8)
            if sum(image.getpixel((x, y))) < 300]


def hover(bar, x, y, slot, shown):
    """The pointer to (x, y): waits until slot's name shows (or, shown False, does not)
    and returns the name's pixels."""
    left, top = bar["rect"][:2]
    bench.xdotool("mousemove", left + x, top + y)

    def settled():
        found = name_pixels(bench.window_image(bar), slot)
        return (found or True) if bool(found) == shown else None

    found = bench.wait_until(settled, 3, 0.1, f"slot {slot + 1}'s name {'shown' if shown else 'gone'}")
    return found if shown else []


def name_width(pixels):
    xs = [x for x, _ in pixels]
    return max(xs) - min(xs)


def test_a_slot_name_shows_as_typed_while_the_pointer_is_over_its_icon(program):
    bench.reg_seed(Save={"Name#3": "방어 주문서", "Name#0": "A&B", "Name#1": "AB"})
    run = program()
    bar = run.bar()
    hover(bar, 300, 95, 3, False)  # bare skin
    assert len(hover(bar, 170, 45, 3, True)) > 20  # icon box of slot 4
    # An "&" is the player's text, not an underline marker: it takes its own place.
    with_ampersand = name_width(hover(bar, 35, 45, 0, True))
    # Slot 1's name gone first: its strip overlaps slot 2's, where it would read as slot 2's.
    hover(bar, 300, 95, 0, False)
    assert with_ampersand >= name_width(hover(bar, 80, 45, 1, True)) + 5
    hover(bar, 170, 57, 3, True)  # where the icon box overlaps its time box: still the icon
    hover(bar, 170, 75, 3, False)  # time box of slot 4
    # Icon box of slot 3, whose name is empty: nothing shows (after slot 1's name left).
    hover(bar, 35, 45, 0, True)
    hover(bar, 125, 45, 0, False)
    assert name_pixels(bench.window_image(bar), 2) == []


def test_dragging_moves_the_bar_with_the_pointer_and_the_close_remembers_it(program):
    run = program()
    bar = run.bar()
    left, top = bar["rect"][:2]
    bench.drag(bar, 300, 92, 50, 30)
    bench.wait_until(lambda: tuple(run.bar()["rect"][:2]) == (left + 50, top + 30), 3, 0.1, "the bar moved")
    # A press and release without a move leaves it where it is (a pin click after it shows it handled).
    bench.xdotool("mousemove", left + 350, top + 122, "click", "1")
    bench.click(run.bar(), 448, 9)
    bench.wait_until(lambda: run.bar()["exstyle"] & WS_EX_TOPMOST, 3, 0.1, "pinned")
    assert tuple(run.bar()["rect"][:2]) == (left + 50, top + 30)
    assert bench.reg_values("Option") == {}, "nothing is written while the program runs"
    run.alt_f4()
    run.wait_exit()
    option = bench.reg_values("Option")
    assert (option["MainWinLeft"][1], option["MainWinTop"][1]) == (left + 50, top + 30)


def test_the_pin_and_the_stored_place(program):
    bench.reg_seed(Option={"AlwaysOnTop": 7, "MainWinLeft": 100, "MainWinTop": 200})
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
    bench.wait_until(lambda: not run.bar()["exstyle"] & WS_EX_TOPMOST, 3, 0.1, "unpinned: off the top")
    bench.wait_until(lambda: bench.drawn_at(bench.window_image(bar), bench.art_pixels("pin_off.bmp"), 440, 1), 3,
                     0.1, "the pin on its side")
    bench.click(bar, 440, 9)  # on the pin's edge: outside it
    # A drag that starts on the pin moves the bar and ends by switching the pin (once: the edge did nothing).
    bench.drag(bar, 448, 9, -45, 30, steps=3)
    bench.wait_until(lambda: tuple(run.bar()["rect"][:2]) == (55, 230), 3, 0.1, "the bar dragged by its pin")
    assert run.bar()["exstyle"] & WS_EX_TOPMOST
    run.alt_f4()
    run.wait_exit()
    assert bench.reg_values("Option")["AlwaysOnTop"] == ("REG_DWORD", 1)
