#!/usr/bin/env python3
"""Takes the README's picture of the bar: some slots running, one of them in
its last minute, the others idle, and the name of the slot under the pointer.
Run under an X display with the test environment of the end-to-end tests
(TAVORIN_EXE, TAVORIN_INSPECTOR, WINEPREFIX):
    bar-screenshot.py OUTPUT.png [SCALE]
SCALE 2 shows the bar as a 200 % screen does (through the double-size choice)."""
import sys
import time

import bench

scale = int(sys.argv[2]) if len(sys.argv) > 2 else 1
bench.reg_clear()
bench.reg_set("Save", "Time#1", 64)
bench.reg_set("Save", "Name#3", "방어 주문서")
bench.reg_set("Option", "DoubleSize", 1 if scale == 2 else 0)
bench.reg_set("Option", "MainWinLeft", 100)
bench.reg_set("Option", "MainWinTop", 100)
run = bench.Program()
try:
    bar = run.bar(scale=scale)
    bench.click_bare(bar, scale)
    bench.key("2", "5", "8")
    left, top = bar["rect"][:2]
    bench.xdotool("mousemove", left + 170 * scale, top + 45 * scale)  # over slot 4's icon
    # Wait for an odd second in slot 2's last minute, when its box shows red.
    time.sleep(6.2)
    while int(time.time()) % 2 == 0 or time.time() % 1 < 0.4:
        time.sleep(0.05)
    bench.window_image(bar).save(sys.argv[1])
finally:
    run.kill()
