"""Playing beside a game, on the real program: the bar's right-click menu and
running timers kept across a kill."""
import time

import bench

ENTRIES = ["GlobalDigitKeys", "ExpirySound", "KeepRunning"]  # the menu's first three items


def option(name):
    return bench.reg_values("Option").get(name, (None, None))[1]


def marks(bar):
    """The items' check-mark margins; Escape closes the menu, choosing nothing."""
    menu = bench.open_menu(bar)
    found = [bench.menu_row(menu, i)[1] for i in range(bench.MENU_ITEMS)]
    bench.key("Escape")
    bench.menu_gone()
    return found


def test_the_menu_shows_and_flips_each_choice(program):
    run = program()
    bar = run.bar()
    unchecked = marks(bar)
    assert all(option(name) is None for name in ENTRIES), "Escape chooses nothing"
    for item, name in enumerate(ENTRIES):
        bench.choose(bar, item)
        assert option(name) == 1
        assert [m != u for m, u in zip(marks(bar), unchecked)] == [i == item for i in range(bench.MENU_ITEMS)], name
        bench.choose(bar, item)
        assert option(name) == 0
    assert marks(bar) == unchecked


def test_a_kept_timer_runs_on_after_a_kill(program):
    bench.reg_seed(Option={name: 1 for name in ENTRIES}, Save={"Time#0": 600, "Time#5": 1})
    run = program()
    bar = run.bar()
    idle = bench.window_image(bar)
    started = time.time()
    # Keys released at the bar count once with the hook in; slot 6 ends with a chime.
    bench.key("1", "6")
    end = bench.wait_until(lambda: bench.reg_values("Save").get("End#0"), 5, 0.1, "the end stored at once")[1]
    assert int(started) + 600 <= end <= int(time.time()) + 600
    assert bench.reg_values("Save")["End#5"][1] > 0, "slot 6 started"
    bench.wait_running(bar, idle, [0], what="slot 6 ended, the program running on")
    run.kill()

    # Slots 2 to 9 show, idle, what slot 1 should show in each of the next eight seconds.
    now = int(time.time())
    bench.reg_seed(Save={f"Time#{k}": end - (now + k) for k in range(1, 9)})
    run = program()
    bar = run.bar()
    # Slot 1 shows, in two different seconds, exactly the time due in that second. A picture
    # taken before the bar's repaint of a second shows the second before: it is taken again.
    matched = set()

    def shows_its_time():
        before = time.time()
        image = bench.window_image(bar)
        slot = int(before) - now
        assert slot <= 8, "the restart took too long to compare"
        in_one_second = slot >= 1 and int(time.time()) == int(before)
        if in_one_second and bench.slot_time(image, 0) == bench.slot_time(image, slot):
            matched.add(slot)
        return len(matched) >= 2
    bench.wait_until(shows_its_time, 9, 0.1, f"slot 1 showing {end} - now in two seconds")
