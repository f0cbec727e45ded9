"""The program's language as a player meets it: Windows' own display language
by default (English under an English locale, Korean under the Korean one), and
the general page's choice over either, shown at once without a restart."""
import os

import pytest

import bench

LANGUAGE, OK = 1500, 1  # the general page's list, the sheet's OK
CB_SETCURSEL = 0x14E
KOREAN = {"title": "설정", "page": ["바꾸기(&C)", "기본값(&D)"], "box": "20 이하의 문자를 입력하십시오."}
ENGLISH = {"title": "Settings", "page": ["&Change", "&Default"], "box": "Enter no more than 20 characters."}


def under(locale):
    return dict(os.environ, LANG=locale, LC_ALL=locale)


def page_texts(sheet):
    return [c["text"] for c in bench.find_window(title=sheet["title"], visible=True)["children"] if c["visible"]]


def menu_width(bar):
    menu = bench.open_menu(bar)
    bench.key("Escape")
    bench.menu_gone()
    return menu["rect"][2] - menu["rect"][0]


def test_windows_display_language_chooses_english_or_korean(program):
    widths = {}
    for locale, texts in (("C.UTF-8", ENGLISH), ("ko_KR.UTF-8", KOREAN)):
        bench.reg_clear()
        bench.reg_set("Save", "Name#0", "abcdefghijklmnopqrstuvwxyz")  # too long: OK reports it
        run = program(env=under(locale))
        bar = run.bar()
        widths[locale] = menu_width(bar)
        sheet = bench.open_settings(bar, texts["title"])
        assert all(text in page_texts(sheet) for text in texts["page"])
        bench.click_control(sheet, 2)  # Cancel
        bench.wait_until(lambda: bench.find_window(title=texts["title"], visible=True) is None, 5, 0.1, "closed")
        bench.click(bar, 35, 45)  # slot 1's icon
        bench.click(run.editor(), 321, 178)  # OK
        box = bench.wait_message_box()
        assert box["text"] == texts["box"]
        bench.press(box, bench.IDOK)
        run.kill()
        assert "Language" not in bench.reg_values("Option"), "nothing written while following Windows"
    assert widths["C.UTF-8"] != widths["ko_KR.UTF-8"], "the menu's texts differ"


@pytest.mark.parametrize("locale, stored, shown, choice, then", [
    ("ko_KR.UTF-8", 2, ENGLISH, 1, KOREAN),
    ("C.UTF-8", 1, KOREAN, 2, ENGLISH),
], ids=["English over Korean", "Korean over English"])
def test_a_choice_overrides_windows_and_applies_at_once(program, locale, stored, shown, choice, then):
    bench.reg_set("Option", "Language", stored)
    for name in ("SelectIconWinLeft", "SelectIconWinTop"):
        bench.reg_set("Option", name, 0)  # the editor clear of the bar
    run = program(env=under(locale))
    bar = run.bar()
    bench.click(bar, 35, 45)  # the editor open beside the settings window
    editor = run.editor()
    buttons = (editor["rect"][0] + 290, editor["rect"][1] + 160, editor["rect"][0] + 470, editor["rect"][1] + 200)
    before = bench.screenshot().crop(buttons).tobytes()
    sheet = bench.open_settings(bar, shown["title"])
    assert all(text in page_texts(sheet) for text in shown["page"])
    sheet = bench.show_page(sheet, 3, LANGUAGE)  # the general page
    bench.send(bench.control(sheet, LANGUAGE), CB_SETCURSEL, choice, 0)
    bench.click_control(sheet, OK)
    bench.wait_until(lambda: bench.reg_values("Option").get("Language") == ("REG_DWORD", choice), 5, 0.1,
                     "the choice stored")
    bench.wait_changed(lambda: bench.screenshot().crop(buttons).tobytes(), before, what="the editor's buttons")
    sheet = bench.open_settings(bar, then["title"])
    assert all(text in page_texts(sheet) for text in then["page"])
    assert run.running()
