"""Renders every bitmap and icon of res/art on one sheet, enlarged, with magenta
shown as a checkerboard, so that the artwork can be looked at at once."""
import os
import struct
import sys

from PIL import Image, ImageDraw

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res", "art")
MAGENTA = (255, 0, 255)


def bmp_depth(path):
    with open(path, "rb") as f:
        header = f.read(54)
    return struct.unpack_from("<H", header, 28)[0]


def load(name):
    return Image.open(os.path.join(ART, name)).convert("RGB")


def checker(size, cell=4):
    image = Image.new("RGB", size, (236, 236, 236))
    d = ImageDraw.Draw(image)
    for y in range(0, size[1], cell):
        for x in range(0, size[0], cell):
            if (x // cell + y // cell) % 2:
                d.rectangle((x, y, x + cell - 1, y + cell - 1), fill=(206, 206, 206))
    return image


def show(picture, scale):
    big = picture.resize((picture.width * scale, picture.height * scale), Image.NEAREST)
    back = checker(big.size, max(scale, 4))
    mask = Image.new("L", picture.size, 255)
    mask.putdata([0 if c == MAGENTA else 255 for c in picture.getdata()])
    back.paste(big, (0, 0), mask.resize(big.size, Image.NEAREST))
    return back


def render(path):
    rows = [
        [("bar_skin.bmp", 1)],
        [("editor_skin.bmp", 1)],
        [("editor_skin_en.bmp", 1)],
        [(n, 3) for n in ("close.bmp", "pin_on.bmp", "pin_off.bmp", "ok.bmp", "cancel.bmp", "ok_en.bmp",
                          "cancel_en.bmp", "arrow_up.bmp", "arrow_down.bmp")],
        [(f"icon{20001 + i}.bmp", 3) for i in range(12)],
        [(f"icon{20013 + i}.bmp", 3) for i in range(12)],
    ]
    pad, label = 8, 12
    tiles = []
    for row in rows:
        tiles.append([(name, show(load(name), scale)) for name, scale in row])
    icons = [Image.open(os.path.join(ART, "program.ico")).ico.getimage(s).convert("RGBA") for s in
             ((48, 48), (32, 32), (16, 16))]
    width = max(sum(t.width + pad for _, t in row) for row in tiles) + pad
    height = sum(max(t.height for _, t in row) + label + pad for row in tiles) + 48 * 2 + label + 2 * pad
    sheet = Image.new("RGB", (max(width, 700), height), (255, 255, 255))
    d = ImageDraw.Draw(sheet)
    y = pad
    for row in tiles:
        x = pad
        for name, tile in row:
            d.text((x, y), name.replace(".bmp", "").replace("icon", ""), fill=(60, 60, 60))
            sheet.paste(tile, (x, y + label))
            x += tile.width + pad
        y += max(t.height for _, t in row) + label + pad
    d.text((pad, y), "program.ico (48, 32, 16), window.ico", fill=(60, 60, 60))
    x = pad
    for icon in icons + [Image.open(os.path.join(ART, "window.ico")).convert("RGBA")]:
        big = icon.resize((icon.width * 2, icon.height * 2), Image.NEAREST)
        sheet.paste(big, (x, y + label), big)
        x += big.width + pad
    sheet.save(path)
    return path


if __name__ == "__main__":
    print(render(sys.argv[1] if len(sys.argv) > 1 else "contact-sheet.png"))
