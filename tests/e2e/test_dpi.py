"""Whole-pixel scaling on high-DPI screens, on the real program: the display's
DPI comes from the registry at the Wine server's start, so each setting gets a
server of its own."""
import subprocess

import pytest
from PIL import Image, ImageDraw

import bench

WM_DPICHANGED = 0x02E0
NAME_BOX = (231, 126, 362, 149)  # a real control with its own font: compared apart
HOUR_UP, OK = (89, 139), (321, 178)


def restart_wine_at(dpi):
    subprocess.run(["wineserver", "-k"])
    subprocess.run(["wineserver", "-w"])
    bench.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi),
               "/f")
    subprocess.run(["wineserver", "-k"])
    subprocess.run(["wineserver", "-w"])
    subprocess.run(["wineserver", "-p"], check=True)


@pytest.fixture(scope="module")
def at_dpi():
    yield restart_wine_at
    restart_wine_at(96)


def bar_and_editor(run, k=1):
    """The bar's picture, then the editor's (opened on slot 1 by a click at k times its 1x point)."""
    bar = run.bar(scale=k)
    bar_image = bench.window_image(bar)
    bench.click(bar, 35 * k + k - 1, 45 * k + k - 1)
    editor = run.editor(scale=k)
    bench.wait_until(lambda: bench.window_image(editor).getpixel((50 * k, 0)) != (0, 0, 0), 5, 0.1, "its frame")
    return bar_image, bench.window_image(editor), editor


def masked(image, k=1):
    """The picture without the name box and one skin pixel around it, where the
    control may draw its own edge."""
    image = image.copy()
    left, top, right, bottom = NAME_BOX
    ImageDraw.Draw(image).rectangle([(left - 1) * k, (top - 1) * k, (right + 1) * k - 1, (bottom + 1) * k - 1],
                                    fill=(0, 0, 0))
    return image


def doubled(image):
    return image.resize((image.width * 2, image.height * 2), Image.NEAREST)


@pytest.fixture(scope="module")
def at_96(at_dpi):
    """The 100 % pictures every other setting is held to."""
    bench.reg_clear()
    run = bench.Program()
    bar, editor, _ = bar_and_editor(run)
    run.kill()
    return bar, editor


def test_at_192_every_pixel_is_doubled_and_clicks_land_on_doubled_points(at_dpi, at_96, program):
    at_dpi(192)
    run = program()
    bar, editor_image, editor = bar_and_editor(run, 2)
    assert bar.tobytes() == doubled(at_96[0]).tobytes()
    name_box = next(c for c in run.editor(scale=2)["children"] if c["id"] == 1000)
    assert name_box["rect"] == [c * 2 for c in NAME_BOX], "where the skin expects it"
    assert masked(editor_image, 2).tobytes() == masked(doubled(at_96[1]), 2).tobytes()
    for point in (HOUR_UP, OK):  # the last screen pixel of each 2 x 2 block still counts
        bench.click(editor, point[0] * 2 + 1, point[1] * 2 + 1)
    run.editor(visible=False, scale=2)
    assert bench.reg_values("Save")["Time#0"] == ("REG_DWORD", 1800 + 3600)


def test_double_size_at_96_and_a_posted_dpi_change(at_dpi, at_96, program):
    at_dpi(96)
    # Room on the screen for both windows at twice the size.
    bench.reg_seed(Option=dict.fromkeys(("MainWinLeft", "MainWinTop", "SelectIconWinLeft", "SelectIconWinTop"), 100))
    run = program()
    bar = run.bar()
    assert bench.post(bar, WM_DPICHANGED, (192 << 16) | 192, 0)["ok"]
    assert bench.window_image(run.bar(scale=2)).tobytes() == doubled(at_96[0]).tobytes()
    assert bench.post(bar, WM_DPICHANGED, (96 << 16) | 96, 0)["ok"]
    bar = run.bar()

    bench.choose(bar, 3)  # double size: both windows at once, as at 192 DPI
    assert bench.reg_values("Option")["DoubleSize"] == ("REG_DWORD", 1)
    bar_image, editor_image, editor = bar_and_editor(run, 2)
    assert bar_image.tobytes() == doubled(at_96[0]).tobytes()
    # The menu opens at the pointer, wherever on the doubled bar it is clicked.
    bench.click(editor, 381 * 2, 178 * 2)  # Cancel: the bar in full view
    bar = run.bar(scale=2)
    menu = bench.open_menu(bar, 2)
    assert menu["rect"][:2] == [bar["rect"][0] + bench.BARE[0] * 2, bar["rect"][1] + bench.BARE[1] * 2]
    bench.focus(bar)
    bench.key("Escape")
    bench.menu_gone()
    inside = (4, 4, 956, 436)  # the editor's cut corners show the bar below it here
    assert masked(editor_image, 2).crop(inside).tobytes() == masked(doubled(at_96[1]), 2).crop(inside).tobytes()
