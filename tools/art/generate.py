#!/usr/bin/env python3
"""Draws every picture of the program into res/art/.

Run it after changing a drawing; the files it writes are committed, so a build
needs neither Python nor Pillow.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmpfiles  # noqa: E402
import icons_app  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "art")


def main():
    os.makedirs(OUT, exist_ok=True)
    bmpfiles.write_ico(os.path.join(OUT, "program.ico"), [icons_app.stopwatch(n) for n in (48, 32, 16)])
    bmpfiles.write_ico(os.path.join(OUT, "window.ico"), [icons_app.stopwatch(16)])


if __name__ == "__main__":
    main()
