#!/usr/bin/env python3
"""Takes the README's picture of the editor open over the bar, on slot 4 after
a click on its icon. Run under an X display with the test environment of
the end-to-end tests (TAVORIN_EXE, TAVORIN_INSPECTOR, WINEPREFIX):
    editor-screenshot.py OUTPUT.png"""
import sys
import time

import bench

bench.reg_clear()
bench.reg_set("Save", "Name#3", "방어 주문서")
bench.reg_set("Save", "Time#3", 5400)
bench.reg_set("Save", "Cooldown#3", 120)
bench.reg_set("Option", "SelectIconWinLeft", 440)
bench.reg_set("Option", "SelectIconWinTop", 420)
if len(sys.argv) > 2:
    bench.reg_set("Option", "Language", int(sys.argv[2]))  # 2: English
run = bench.Program()
try:
    bar = run.bar()
    bench.click_bare(bar)
    bench.key("1", "6")
    bench.click(bar, 170, 45)  # slot 4's icon
    editor = run.editor()
    time.sleep(1.0)
    left, top = bar["rect"][:2]
    right, bottom = editor["rect"][2:]
    bench.save_screenshot(sys.argv[1], (left, top, right, bottom))
finally:
    run.kill()
