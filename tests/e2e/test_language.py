"""The program's language as a player meets it: Windows' own display language
by default (English under an English locale, Korean under the Korean one), and
a stored choice over it from the start. The general page's choice shown at once
is proven with the real windows at the Win32 layer."""
import os

import bench

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


def test_windows_display_language_chooses_english_or_korean_unless_a_choice_is_stored(program):
    widths = {}
    for locale, texts, stored in (("C.UTF-8", ENGLISH, None), ("ko_KR.UTF-8", KOREAN, None),
                                  ("ko_KR.UTF-8", ENGLISH, 2)):
        bench.reg_clear()
        bench.reg_set("Save", "Name#0", "abcdefghijklmnopqrstuvwxyz")  # too long: OK reports it
        if stored:
            bench.reg_set("Option", "Language", stored)
        run = program(env=under(locale))
        bar = run.bar()
        if not stored:
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
        assert bench.reg_values("Option").get("Language", (None, None))[1] == stored, "nothing written"
    assert widths["C.UTF-8"] != widths["ko_KR.UTF-8"], "the menu's texts differ"

