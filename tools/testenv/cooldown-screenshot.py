#!/usr/bin/env python3
"""Takes the README's picture of a slot's looks: slot 1 in its effect, slot 2
cooling, slot 3 ready, slot 4 counting past its end; the left of the bar,
twice its size. Run under an X display with the test environment of the
end-to-end tests (TAVORIN_EXE, TAVORIN_INSPECTOR, WINEPREFIX):
    cooldown-screenshot.py OUTPUT.png"""
import sys
import time

from PIL import Image

import bench

bench.reg_clear()
now = int(time.time())
bench.reg_set("Option", "KeepRunning", 1)
for slot, (cooldown, end) in enumerate(((300, now + 40), (300, now - 20), (300, now - 400), (0, now - 75))):
    bench.reg_set("Save", f"Time#{slot}", 60)
    bench.reg_set("Save", f"Cooldown#{slot}", cooldown)
    bench.reg_set("Save", f"End#{slot}", end)
bench.reg_set("Option", "CountUp#3", 1)
bench.reg_set("Option", "MainWinLeft", 100)
bench.reg_set("Option", "MainWinTop", 100)
run = bench.Program()
try:
    bar = run.bar()
    bench.xdotool("mousemove", 5, 5)
    time.sleep(1.5)
    image = bench.window_image(bar).crop((0, 0, 200, 100))
    image.resize((400, 200), Image.NEAREST).save(sys.argv[1])
finally:
    run.kill()
