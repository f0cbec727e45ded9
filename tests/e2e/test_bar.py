"""The timer bar on screen: its shape, its painting, the countdown and the digit
keys, on the real program."""
import time

import bench

WS_EX_TOPMOST = 0x8
WM_DISPLAYCHANGE = 0x007E


# The bitmaps the built-in slots show: catalogue indices 0 14 3 4 6 11 12 21 22.
DEFAULT_BITMAPS = [20001, 20015, 20004, 20005, 20007, 20012, 20013, 20022, 20023]


def test_the_bar_is_a_shaped_tool_window_painted_as_laid_out(program):
    run = program()
    bar = run.bar()
    left, top, right, bottom = bar["rect"]
    assert (right - left, bottom - top) == (480, 100)
    assert bar["client"] == [480, 100], "no caption, no frame"
    assert bar["owner"] == run.host["hwnd"]
    assert bar["exstyle"] & bench.WS_EX_TOOLWINDOW and not bar["exstyle"] & bench.WS_EX_APPWINDOW
    assert not bar["exstyle"] & WS_EX_TOPMOST

    shot = bench.screenshot()
    desktop = shot.getpixel((left - 3, top - 3))
    image = bench.window_image(bar, shot)
    # The window's region cuts the skin's magenta corners: the desktop shows.
    for x, y in ((0, 0), (1, 0), (0, 1), (479, 99), (478, 99), (479, 98)):
        assert image.getpixel((x, y)) == desktop, (x, y)
    assert image.getpixel((2, 0)) != desktop and image.getpixel((1, 1)) != desktop

    for slot in range(9):
        box_left, box_top, box_right, box_bottom = bench.icon_box(slot)
        assert image.getpixel((box_left, box_top + 15)) == (0, 0, 0), f"outline of box {slot + 1}"
        assert image.getpixel((box_right - 1, box_top + 15)) == (0, 0, 0)
        assert image.getpixel((box_left + 15, box_bottom - 1)) == (0, 0, 0)
        assert image.getpixel((box_left + 1, box_top + 1)) == (255, 255, 255), "white fill"
        icon = bench.art_pixels(f"icon{DEFAULT_BITMAPS[slot]}.bmp")
        assert bench.drawn_at(image, icon, box_left + 3, box_top + 3), f"icon of slot {slot + 1}, idle"
    # The pin lies on its side (always on top is off) and the close button sits in the strip.
    assert bench.drawn_at(image, bench.art_pixels("pin_off.bmp"), 440, 1)
    assert bench.drawn_at(image, bench.art_pixels("close.bmp"), 460, 3)
    # Black text in the strip: the title.
    assert any(image.getpixel((x, y)) == (0, 0, 0) for x in range(7, 90) for y in range(3, 18))


def icon_offset(image, icon, slot):
    left, top = bench.icon_box(slot)[:2]
    found = [dx for dx in (1, 3, 5) if bench.drawn_at(image, icon, left + dx, top + 3)]
    return found[0] if len(found) == 1 else None


def test_digit_keys_start_and_stop_a_slot_and_only_that_slot(program):
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    icon = bench.art_pixels("icon20004.bmp")
    slot = 2  # key 3

    bench.click_bare(bar)
    bench.key("3")
    times, offsets = set(), set()

    def counting():
        image = bench.window_image(bar)
        times.add(bench.region_of(image, (105 - 4, 61, 145 + 4, 85)))
        offsets.add(icon_offset(image, icon, slot))
        # Everything but slot 3's icon box and time stays as it was.
        assert [other for other in range(9) if bench.slot_look(image, other) != bench.slot_look(idle, other)] == [slot]
        return len(times) >= 3 and offsets >= {1, 5}

    bench.wait_until(counting, 6, 0.2, "the time counting down and the icon jumping")
    assert offsets <= {1, 5, None}, f"the icon jumps between left + 1 and left + 5: {offsets}"

    bench.key("3")
    bench.wait_until(lambda: bench.region_of(bench.window_image(bar), (0, 20, 480, 100)) ==
                     bench.region_of(idle, (0, 20, 480, 100)), 3, 0.1,
                     "stopped: the duration shows again and the icon is centred")

    # Key 0, the keypad's digits, other keys, Enter and Escape start, close and hide nothing;
    # a key released over the host afterwards reaches the bar: slot 9 starts, no other.
    bench.key("0", "KP_1", "KP_3", "KP_9", "a", "F1", "Return", "Escape", "KP_Enter")
    bench.focus(run.host)
    bench.key("9")
    bench.wait_running(bar, idle, [8])
    assert run.running() and run.bar()["visible"]


def test_a_short_slot_flashes_red_in_odd_seconds_and_ends_by_itself(program):
    bench.reg_set("Save", "Time#0", 5)
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    bench.key("1")
    seen = []
    deadline = time.time() + 4.0
    while time.time() < deadline:
        before = time.time()
        colour = bench.window_image(bar).getpixel((21, 31))
        after = time.time()
        # Only looks well inside one second count: the bar repaints within 100 ms of its change.
        if int(before) == int(after) and before - int(before) > 0.25:
            seen.append((int(before) % 2, colour))
        time.sleep(0.15)
    assert (1, (255, 0, 0)) in seen and (0, (255, 255, 255)) in seen
    assert all((colour == (255, 0, 0)) == (odd == 1) for odd, colour in seen), seen

    bench.wait_until(lambda: bench.region_of(bench.window_image(bar), (0, 20, 480, 100)) ==
                     bench.region_of(idle, (0, 20, 480, 100)), 8, 0.2, "idle again, showing its duration")


def test_a_warning_shows_by_shape_too_at_both_sizes(program):
    """With the shape warning on, a red box's frame is thicker and its last ten seconds' digits blink out."""
    for scale in (1, 2):
        bench.reg_seed(Option={"ShapeWarning": 1, "DoubleSize": scale - 1}, Save={"Time#0": 6})
        run = program()
        bar = run.bar(scale=scale)
        bench.click_bare(bar, scale)
        bench.key("1")

        def look(image):
            at = lambda x, y: image.getpixel((x * scale, y * scale))  # noqa: E731
            left, top, right, bottom = (v * scale for v in bench.time_box(0))
            digits = any(sum(image.getpixel((x, y))) < 150 for x in range(left, right) for y in range(61 * scale, bottom))
            return at(22, 32), at(24, 34), digits

        red, white, black = (255, 0, 0), (255, 255, 255), (0, 0, 0)
        bench.wait_until(lambda: look(bench.window_image(bar)) == (black, red, False), 5, 0.05,
                         f"at {scale}x a red second: a thick frame, no digits")
        bench.wait_until(lambda: look(bench.window_image(bar)) == (white, white, True), 5, 0.05,
                         f"at {scale}x the second after: the frame and the digits as ever")
        run.kill()


def test_a_slot_whose_icon_has_no_bitmap_gets_no_box_but_keeps_its_time(program):
    # No such code; below 24, index -3 is no entry; the last index, the last creature; the same by its code.
    bench.reg_seed(Save={"Icon#4": 3001, "Icon#5": -3, "Icon#6": 23, "Icon#7": 5005})
    run = program()
    image = bench.window_image(run.bar())
    for slot in (4, 5):
        left, top, right, bottom = bench.icon_box(slot)
        assert all(image.getpixel((x, y)) == (255, 255, 255) for x in range(left, right) for y in range(top, bottom))
        assert any(image.getpixel((x, y)) == (0, 0, 0) for x in range(left - 10, left - 2) for y in range(30, 50)), \
            "the number is drawn"
        box = bench.time_box(slot)
        assert any(image.getpixel((x, y)) == (0, 0, 0) for x in range(box[0], box[2]) for y in range(61, 85)), \
            "the time is drawn"
    for slot in (6, 7):
        assert bench.drawn_at(image, bench.art_pixels("icon20024.bmp"), bench.icon_box(slot)[0] + 3, 33)


def time_column(slot):
    """The strip a slot's time may use: its time box and half the gap each side."""
    left, top, right, bottom = bench.time_box(slot)
    return (left - 2, top, right + 3, bottom)


def test_long_times_stay_in_their_own_column(program):
    def columns(times):
        bench.reg_seed(Save={f"Time#{slot}": seconds for slot, seconds in times.items()})
        run = program()
        image = bench.window_image(run.bar())
        run.kill()
        return {slot: bench.region_of(image, time_column(slot)) for slot in range(5)}

    # 100 hours and 10 hours, each beside short times.
    long = columns({0: 360000, 1: 60, 2: 36000, 3: 60, 4: 60})
    short = columns({0: 60, 1: 60, 2: 60, 3: 60, 4: 60})
    assert long[1] == short[1] and long[3] == short[3], "nothing drawn into a neighbour's column"
    assert long[0] != short[0] and long[2] != short[2]


def test_a_paused_bar_repaints_nothing_and_a_running_one_once_a_second(program):
    run = program()
    bar = run.bar()
    bench.xdotool("mousemove", 5, 5)  # the pointer off the bar; its last repaint done
    bench.wait_until(lambda: bench.count_repaints(bar, 0.5) == 0, 5, 0, "the bar at rest")
    assert bench.count_repaints(bar, 3.0) == 0
    bench.key("5")
    assert 2 <= bench.count_repaints(bar, 4.0) <= 6

    # After a change of the display's format everything is drawn as before.
    before = bench.window_image(bar)
    for window in (bar, run.editor(visible=False)):
        assert bench.send(window, WM_DISPLAYCHANGE, 16, (800 << 16) | 1280)["ok"]
    def as_before():
        after = bench.window_image(bar)
        return all(bench.region_of(after, bench.icon_box(slot)) == bench.region_of(before, bench.icon_box(slot))
                   for slot in (0, 8)) and bench.drawn_at(after, bench.art_pixels("pin_off.bmp"), 440, 1)

    bench.wait_until(as_before, 3, 0.1, "everything drawn as before")

