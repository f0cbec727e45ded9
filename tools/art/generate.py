#!/usr/bin/env python3
"""Draws every picture of the program, and makes its sounds, into res/art/.

Run it after changing a drawing (it needs Pillow and Debian's fonts-nanum);
the files it writes are committed, so a build needs neither.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmpfiles  # noqa: E402
import icons  # noqa: E402
import icons_app  # noqa: E402
import skins  # noqa: E402
import sounds  # noqa: E402
import sprites  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "art")


def out(name):
    return os.path.join(OUT, name)


def main():
    os.makedirs(OUT, exist_ok=True)
    bmpfiles.write_ico(out("program.ico"), [icons_app.stopwatch(n) for n in (48, 32, 16)])
    bmpfiles.write_ico(out("window.ico"), [icons_app.stopwatch(16)])

    bmpfiles.write_bmp16(out("bar_skin.bmp"), skins.bar_skin())
    for language in skins.EDITOR_WORDS:
        bmpfiles.write_bmp16(out(f"editor_skin{language}.bmp"), skins.editor_skin(language))

    strip, face = sprites.STRIP, sprites.FACE
    bmpfiles.write_bmp8(out("close.bmp"), bmpfiles.flatten_sprite(sprites.close_button(), strip))
    bmpfiles.write_bmp8(out("pin_on.bmp"), bmpfiles.flatten_sprite(sprites.pin_pushed_in(), strip))
    bmpfiles.write_bmp8(out("pin_off.bmp"), bmpfiles.flatten_sprite(sprites.pin_lying(), strip))
    for language in sprites.BUTTON_WORDS:
        bmpfiles.write_bmp8(out(f"ok{language}.bmp"), bmpfiles.flatten_sprite(sprites.ok_button(language), face))
        bmpfiles.write_bmp8(out(f"cancel{language}.bmp"),
                            bmpfiles.flatten_sprite(sprites.cancel_button(language), face))
    bmpfiles.write_bmp8(out("arrow_up.bmp"), bmpfiles.flatten_sprite(sprites.arrow(True), face))
    bmpfiles.write_bmp8(out("arrow_down.bmp"), bmpfiles.flatten_sprite(sprites.arrow(False), face))

    for stem, draw, bits in icons.ICONS:
        picture = draw()
        if stem in icons.SOLID:
            picture = picture.convert("RGB")
            # a solid tile never shows the key colour
            picture.putdata([(254, 0, 255) if c == bmpfiles.MAGENTA else c for c in picture.getdata()])
        else:
            picture = bmpfiles.flatten_sprite(picture, (255, 255, 255))
        if bits == "24":
            bmpfiles.write_bmp24(out(f"icon{stem}.bmp"), picture)
        else:
            bmpfiles.write_bmp8(out(f"icon{stem}.bmp"), bmpfiles.reduce_colours(picture, 256))

    for name in sounds.SOUNDS:
        sounds.write(out(f"{name}.wav"), name)


if __name__ == "__main__":
    main()
