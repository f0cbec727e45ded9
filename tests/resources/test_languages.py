"""Every language block of the resources holds the same strings, dialogs and
pictures under the same identifiers, with the same placeholders, and each row
of the program's list of languages has its block."""
import os
import re

import pytest

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
RES = os.path.join(ROOT, "res")


def read(*path):
    with open(os.path.join(*path), encoding="utf-8") as f:
        return f.read()


def language_files():
    """The language blocks as the main script includes them, first the Korean one."""
    return re.findall(r'^#include "(lang/\w+\.rc)"', read(RES, "Tavorin.rc"), re.M)


def parse(text):
    """{"strings": {id: text}, "dialogs": {id: (font line, style, [(kind, control id)], [texts])}, "bitmaps": {id}}"""
    strings, dialogs, bitmaps = {}, {}, set()
    lines = iter(text.splitlines())
    for line in lines:
        if re.match(r"\s*STRINGTABLE", line):
            for entry in lines:
                if entry.strip() == "END":
                    break
                found = re.match(r'\s*(IDS_\w+)\s+(".*"|\w+)\s*$', entry)
                if found:
                    strings[found.group(1)] = found.group(2).strip('"').replace('""', '"')
        elif (found := re.match(r"(IDD_\w+) DIALOGEX", line)):
            font = style = ""
            controls, texts = [], []
            for entry in lines:
                if entry.startswith("FONT"):
                    font = entry
                elif entry.startswith("STYLE"):
                    style = entry
                elif entry.startswith("CAPTION") and entry.split('"')[1]:
                    texts.append(entry.split('"')[1])
                elif entry.strip() == "END":
                    break
                elif (control := re.match(r'\s*(\w+)\s+(?:"([^"]*)",\s*)?(-?\w+)\s*,', entry)):
                    controls.append((control.group(1), control.group(3)))
                    if control.group(2):
                        texts.append(control.group(2))
            dialogs[found.group(1)] = (font, style, controls, texts)
        elif (found := re.match(r"(IDB_\w+) BITMAP", line)):
            bitmaps.add(found.group(1))
    return {"strings": strings, "dialogs": dialogs, "bitmaps": bitmaps}


BLOCKS = {name: parse(read(RES, name)) for name in language_files()}
FIRST = language_files()[0]


def placeholders(text):
    return sorted(re.findall(r"%\d", text))


@pytest.mark.parametrize("name", sorted(set(BLOCKS) - {FIRST}))
def test_each_language_has_every_text_of_the_first_with_its_placeholders(name):
    first, other = BLOCKS[FIRST], BLOCKS[name]
    assert other["strings"].keys() == first["strings"].keys()
    for key, text in first["strings"].items():
        assert placeholders(other["strings"][key]) == placeholders(text), key
        assert other["strings"][key].endswith("...") == text.endswith("..."), f"{key}: a dialog follows in both"
        assert other["strings"][key].count("|") == text.count("|"), f"{key}: the same file filters"
    assert other["bitmaps"] == first["bitmaps"]
    assert other["dialogs"].keys() == first["dialogs"].keys()
    for key, (_, _, controls, _) in first["dialogs"].items():
        assert other["dialogs"][key][2] == controls, f"{key}: the same controls in the same order"


def test_every_string_the_program_names_is_in_the_first_language():
    named = set(re.findall(r"#define (IDS_\w+)", read(RES, "resource.h")))
    assert named == set(BLOCKS[FIRST]["strings"])


def test_english_dialogs_use_the_shell_font_and_the_shared_part_holds_no_text():
    for key, (font, style, _, texts) in BLOCKS["lang/English.rc"]["dialogs"].items():
        assert '"MS Shell Dlg 2"' in font and "DS_SHELLFONT" in style, key
        assert all(t.isascii() for t in texts), key
    shared = parse(read(RES, "Tavorin.rc"))
    assert not shared["strings"]
    assert all(not texts for (_, _, _, texts) in shared["dialogs"].values())


LANG_IDS = {"LANG_KOREAN": 0x12, "LANG_ENGLISH": 0x09, "SUBLANG_KOREAN": 1, "SUBLANG_ENGLISH_US": 1}


def test_each_listed_language_has_a_block_and_each_block_a_row():
    rows = [int(langid, 16) for langid in
            re.findall(r"\{\d+, (0x[0-9a-fA-F]{4}), L\"", read(ROOT, "src", "model", "Languages.h"))]
    blocks = []
    for name in language_files():
        primary, sub = re.search(r"^LANGUAGE (\w+), (\w+)", read(RES, name), re.M).groups()
        blocks.append(LANG_IDS[sub] << 10 | LANG_IDS[primary])
    assert rows == blocks and len(rows) >= 2
