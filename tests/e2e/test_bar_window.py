"""The bar's remembered place and always-on-top choice, on the real program."""
import bench

WS_EX_TOPMOST = 0x8
CENTRED = (400, 350)  # (1280 - 480) / 2, (800 - 100) / 2 on the test display


def close_and_read(run):
    run.alt_f4()
    run.wait_exit()
    return bench.reg_values("Option")


def test_first_start_centres_the_bar_and_the_close_remembers_it(program):
    run = program()
    bar = run.bar()
    assert tuple(bar["rect"][:2]) == CENTRED
    option = close_and_read(run)
    assert option["MainWinLeft"] == ("REG_DWORD", CENTRED[0])
    assert option["MainWinTop"] == ("REG_DWORD", CENTRED[1])
    assert option["AlwaysOnTop"] == ("REG_DWORD", 0)


def test_a_stored_position_is_used_when_it_is_on_a_screen(program):
    bench.reg_set("Option", "MainWinLeft", 100)
    bench.reg_set("Option", "MainWinTop", 200)
    run = program()
    assert tuple(run.bar()["rect"][:2]) == (100, 200)
    run.alt_f4()
    run.wait_exit()

    bench.reg_set("Option", "MainWinLeft", -300)  # partly off the left edge: still on the screen
    run = program()
    assert tuple(run.bar()["rect"][:2]) == (-300, 200)
    option = close_and_read(run)
    assert option["MainWinLeft"] == ("REG_DWORD", -300)


def test_always_on_top_is_restored_shown_by_the_pin_and_written_back_unchanged(program):
    bench.reg_set("Option", "AlwaysOnTop", 7)
    run = program()
    bar = run.bar()
    assert bar["exstyle"] & WS_EX_TOPMOST
    image = bench.window_image(bar)
    assert bench.drawn_at(image, bench.art_pixels("pin_on.bmp"), 440, 1)
    assert close_and_read(run)["AlwaysOnTop"] == ("REG_DWORD", 7)
