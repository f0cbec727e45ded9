"""Waits until Tavorin's bar shows on the display, then saves a screenshot.

    wait-for-bar.py PNG

Looks only at the screen: the bar has come once at least a bar's area of the
desktop (black before any window) is lit and two looks in a row agree (its
first frame painted whole). Exits 1 after a minute without it."""
import sys
import time

from PIL import ImageGrab

BAR_PIXELS = 480 * 100


def lit(image):
    return sum(count for count, colour in image.getcolors(1 << 24) if colour != (0, 0, 0))


def main(path):
    deadline = time.monotonic() + 60
    last = None
    while time.monotonic() < deadline:
        image = ImageGrab.grab(xdisplay=None).convert("RGB")
        if lit(image) >= BAR_PIXELS * 0.8 and last is not None and image.tobytes() == last.tobytes():
            image.save(path)
            return 0
        last = image
        time.sleep(0.3)
    print("Tavorin's bar did not show within a minute.", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
