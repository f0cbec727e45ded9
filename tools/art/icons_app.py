"""The application icon: a stopwatch with a running red sector."""
from PIL import Image, ImageDraw

SCALE = 8


def stopwatch(size):
    s = size * SCALE
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    u = s / 48.0
    cx, cy, r = 24 * u, 27 * u, 18.5 * u
    # crown and side button
    d.rounded_rectangle((20 * u, 2 * u, 28 * u, 7 * u), radius=1.5 * u, fill=(40, 72, 120, 255))
    d.rectangle((22.5 * u, 6 * u, 25.5 * u, 10 * u), fill=(40, 72, 120, 255))
    d.polygon([(36 * u, 9 * u), (40 * u, 5 * u), (43 * u, 8 * u), (39 * u, 12 * u)], fill=(40, 72, 120, 255))
    # case and face
    d.ellipse((cx - r - 3 * u, cy - r - 3 * u, cx + r + 3 * u, cy + r + 3 * u), fill=(40, 72, 120, 255))
    d.ellipse((cx - r - 1 * u, cy - r - 1 * u, cx + r + 1 * u, cy + r + 1 * u), fill=(96, 170, 230, 255))
    d.ellipse((cx - r + 1.5 * u, cy - r + 1.5 * u, cx + r - 1.5 * u, cy + r - 1.5 * u), fill=(255, 255, 255, 255))
    # the time still to run
    pr = r - 4 * u
    d.pieslice((cx - pr, cy - pr, cx + pr, cy + pr), -90, 30, fill=(232, 64, 48, 255))
    # hour ticks
    import math
    for k in range(12):
        a = math.radians(k * 30)
        inner, outer = r - 4.5 * u, r - 1.5 * u
        d.line((cx + inner * math.sin(a), cy - inner * math.cos(a), cx + outer * math.sin(a), cy - outer * math.cos(a)),
               fill=(40, 72, 120, 255), width=max(1, int(1.6 * u)))
    # hand
    a = math.radians(30)
    d.line((cx, cy, cx + (pr + 1 * u) * math.sin(a), cy - (pr + 1 * u) * math.cos(a)), fill=(30, 30, 40, 255),
           width=int(2.2 * u))
    d.ellipse((cx - 2.5 * u, cy - 2.5 * u, cx + 2.5 * u, cy + 2.5 * u), fill=(30, 30, 40, 255))
    return img.resize((size, size), Image.LANCZOS)
