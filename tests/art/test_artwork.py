"""The artwork files as committed: the formats the resource compiler embeds,
and a contact sheet of all of them for the eye."""
import os
import struct
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "art"))
import contact_sheet  # noqa: E402

ART = contact_sheet.ART
SHEET = os.environ.get("TAVORIN_CONTACT_SHEET", os.path.join(ART, "..", "..", "build", "contact-sheet.png"))


def header(name):
    with open(os.path.join(ART, name), "rb") as f:
        data = f.read()
    assert data[:2] == b"BM"
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, planes, bits, compression, _, _, _, used = struct.unpack_from("<IiiHHIIiiI", data, 14)
    return {"size": size, "width": width, "height": height, "bits": bits, "compression": compression,
            "colours": used or (1 << bits if bits <= 8 else 0), "offset": offset, "length": len(data)}


SPRITES = {"close.bmp": (11, 11), "pin_on.bmp": (16, 16), "pin_off.bmp": (16, 16), "ok.bmp": (42, 20),
           "cancel.bmp": (42, 20), "arrow_up.bmp": (18, 18), "arrow_down.bmp": (18, 18),
           "ok_en.bmp": (42, 20), "cancel_en.bmp": (42, 20)}
SKINS = [("bar_skin.bmp", 100), ("editor_skin.bmp", 220), ("editor_skin_en.bmp", 220)]


@pytest.mark.parametrize("name,height", SKINS)
def test_skins_are_bottom_up_16_bit_555(name, height):
    h = header(name)
    assert (h["width"], h["height"], h["bits"], h["compression"]) == (480, height, 16, 0)
    assert h["offset"] == 14 + 40, "no colour table, no masks: 5 bits per channel"
    assert h["length"] == h["offset"] + 960 * height


@pytest.mark.parametrize("name", sorted(SPRITES) + [f"icon{20001 + i}.bmp" for i in range(24) if i != 5])
def test_sprites_and_icons_are_8_bit_with_a_colour_table(name):
    h = header(name)
    width, height = SPRITES.get(name, (24, 24))
    assert (h["width"], h["height"], h["bits"], h["compression"]) == (width, height, 8, 0)
    assert 2 <= h["colours"] <= 256
    assert h["offset"] == 14 + 40 + 4 * h["colours"]


MAGENTA = (255, 0, 255)
SOLID_TILES = {"icon20004.bmp", "icon20005.bmp", "icon20006.bmp", "icon20008.bmp", "icon20009.bmp", "icon20010.bmp"}


def magenta_pixels(name):
    picture = contact_sheet.load(name)
    return {(x, y) for y in range(picture.height) for x in range(picture.width)
            if picture.getpixel((x, y)) == MAGENTA}


@pytest.mark.parametrize("name,height", SKINS)
def test_skins_are_magenta_only_in_three_pixels_of_each_corner(name, height):
    r, b = 479, height - 1
    assert magenta_pixels(name) == {(0, 0), (1, 0), (0, 1), (r, 0), (r - 1, 0), (r, 1),
                                    (0, b), (1, b), (0, b - 1), (r, b), (r - 1, b), (r, b - 1)}


@pytest.mark.parametrize("name", sorted(SPRITES) + [f"icon{20001 + i}.bmp" for i in range(24)])
def test_sprites_show_something_and_all_but_the_skill_tiles_let_the_box_through(name):
    width, height = SPRITES.get(name, (24, 24))
    magenta = magenta_pixels(name)
    assert len(magenta) < width * height
    if name in SOLID_TILES:
        assert not magenta
    else:
        assert (0, 0) in magenta or (width - 1, height - 1) in magenta


def test_the_lightning_tile_is_24_bit():
    h = header("icon20006.bmp")
    assert (h["width"], h["height"], h["bits"]) == (24, 24, 24)


def test_icons_are_distinct_and_the_contact_sheet_renders():
    pictures = [contact_sheet.load(f"icon{20001 + i}.bmp").tobytes() for i in range(24)]
    assert len(set(pictures)) == 24
    os.makedirs(os.path.dirname(os.path.abspath(SHEET)), exist_ok=True)
    path = contact_sheet.render(SHEET)
    assert os.path.getsize(path) > 10000
    print(f"contact sheet: {os.path.abspath(path)}")


@pytest.mark.parametrize("name", ["editor_skin.bmp", "editor_skin_en.bmp"])
def test_the_editor_skin_leaves_the_name_box_clear_with_its_caption_above(name):
    skin = contact_sheet.load(name).convert("RGB")
    box = (231, 126, 362, 149)  # where the editor places its name box
    assert {skin.getpixel((x, y)) for x in range(box[0] - 2, box[2] + 2) for y in range(box[1] - 2, box[3] + 2)} \
        == {(255, 255, 255)}
    caption = [(x, y) for x in range(box[0], box[0] + 40) for y in range(110, box[1] - 2)
               if sum(skin.getpixel((x, y))) < 500]
    assert caption, "the caption of the name box"


def read_wave(path):
    import wave
    with wave.open(path, "rb") as f:
        assert (f.getnchannels(), f.getsampwidth(), f.getframerate()) == (1, 2, 22050)
        frames = f.readframes(f.getnframes())
    return struct.unpack(f"<{len(frames) // 2}h", frames)


@pytest.mark.parametrize("name, lowest, highest", [
    ("chime", 0.3, 0.6), ("bell", 0.3, 0.6), ("beeps", 0.3, 0.6), ("gong", 0.3, 0.6), ("tick", 0.1, 0.25)])
def test_each_sound_is_a_short_mono_pcm_wave_that_the_script_makes_again(tmp_path, name, lowest, highest):
    import sounds
    path = os.path.join(ART, f"{name}.wav")
    samples = read_wave(path)
    assert len(samples) / 22050 < 1.0, "under a second"
    assert lowest * 32767 < max(abs(s) for s in samples) < highest * 32767, "heard, but no alarm and no clipping"
    assert abs(samples[0]) < 200 and abs(samples[-1]) < 200, "no click at either end"
    again = tmp_path / f"{name}.wav"
    sounds.write(str(again), name)
    assert again.read_bytes() == open(path, "rb").read()


def test_the_end_sounds_differ_from_each_other_and_the_tick_is_the_quietest():
    def features(name):
        samples = read_wave(os.path.join(ART, f"{name}.wav"))
        peak = max(abs(s) for s in samples)
        crossings = sum(1 for a, b in zip(samples, samples[1:]) if (a < 0) != (b < 0)) / len(samples)
        window = 441  # 20 ms
        envelope = [max(abs(s) for s in samples[i:i + window]) / peak for i in range(0, min(len(samples), 22050 * 2 // 5), window)]
        return peak, crossings, envelope + [0.0] * (20 - len(envelope))

    ends = {name: features(name) for name in ("chime", "bell", "beeps", "gong")}
    for first in ends:
        for second in ends:
            if first >= second:
                continue
            (_, pitch1, shape1), (_, pitch2, shape2) = ends[first], ends[second]
            pitch_apart = abs(pitch1 - pitch2) / max(pitch1, pitch2) > 0.25
            shape_apart = sum(abs(a - b) for a, b in zip(shape1, shape2)) / len(shape1) > 0.3
            assert pitch_apart or shape_apart, f"{first} and {second} sound alike"
    assert features("tick")[0] < min(peak for peak, _, _ in ends.values()) / 2


@pytest.mark.parametrize("name", ["editor_skin.bmp", "ok.bmp", "cancel.bmp"])
def test_each_language_draws_the_same_picture_but_its_words(name):
    # only the words differ: the English picture is the Korean one where no text lies
    korean = contact_sheet.load(name).convert("RGB")
    english = contact_sheet.load(name.replace(".bmp", "_en.bmp")).convert("RGB")
    assert korean.size == english.size
    width, height = korean.size
    # each picture's colour table is its own: a colour may be a few levels off
    differ = {(x, y) for y in range(height) for x in range(width)
              if max(abs(a - b) for a, b in zip(korean.getpixel((x, y)), english.getpixel((x, y)))) > 12}
    assert differ, "the words are drawn"
    edge = {(x, y) for y in range(height) for x in range(width)
            if min(x, y, width - 1 - x, height - 1 - y) < 2}
    assert not differ & edge, "the frame and the cut corners are the same"
