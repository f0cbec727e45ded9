"""The two window skins. Each is drawn pixel-exact at its own size; magenta
lies only in the three pixels at each corner, which the window shape cuts off."""
from PIL import Image, ImageDraw

from drawing import Canvas, korean_font, mix, vertical_gradient

MAGENTA = (255, 0, 255)


def cut_corners(image):
    width, height = image.size
    for cx, cy, dx, dy in ((0, 0, 1, 1), (width - 1, 0, -1, 1), (0, height - 1, 1, -1),
                           (width - 1, height - 1, -1, -1)):
        for x, y in ((cx, cy), (cx + dx, cy), (cx, cy + dy)):
            image.putpixel((x, y), MAGENTA)


def outline(image, colour):
    """A one-pixel border that follows the cut corners."""
    width, height = image.size
    d = ImageDraw.Draw(image)
    d.line((2, 0, width - 3, 0), fill=colour)
    d.line((2, height - 1, width - 3, height - 1), fill=colour)
    d.line((0, 2, 0, height - 3), fill=colour)
    d.line((width - 1, 2, width - 1, height - 3), fill=colour)
    for x, y in ((1, 1), (width - 2, 1), (1, height - 2), (width - 2, height - 2)):
        image.putpixel((x, y), colour)


def strip(image, height, top, bottom, line):
    width = image.size[0]
    image.paste(vertical_gradient(width, height, top, bottom).convert("RGB"), (0, 0))
    # a soft gloss over the upper half
    gloss = vertical_gradient(width, height // 2, (255, 255, 255, 90), (255, 255, 255, 0))
    image.paste(gloss.convert("RGB"), (0, 0), gloss)
    ImageDraw.Draw(image).line((0, height, width - 1, height), fill=line)


def bar_skin():
    """480 x 100: a light blue title strip over a white body."""
    image = Image.new("RGB", (480, 100), (255, 255, 255))
    strip(image, 21, (222, 238, 253), (178, 213, 245), (132, 172, 220))
    outline(image, (84, 128, 184))
    cut_corners(image)
    return image


# The words the editor's skin carries, in each language: its title and the
# captions of the time and the name.
EDITOR_WORDS = {"": ("타이머 설정", "시간", "이름", "재사용"), "_en": ("Edit Timer", "Time", "Name", "Cooldown")}


def editor_skin(language=""):
    """480 x 220: a blue gradient strip along the top over a white face."""
    title, time, name, cooldown = EDITOR_WORDS[language]
    image = Image.new("RGB", (480, 220), (255, 255, 255))
    strip(image, 26, (92, 150, 218), (38, 92, 164), (30, 70, 130))
    d = ImageDraw.Draw(image)
    d.text((14, 13), title, font=korean_font(13), fill=(255, 255, 255), anchor="lm")
    # the time panel behind the arrows and digits
    panel = Canvas(480, 220)
    panel.rect((66, 122, 226, 196), fill=(236, 243, 252, 255), outline=(186, 205, 232, 255), width=1, radius=6)
    # the cooldown's narrower panel, right of the buttons
    panel.rect((405, 122, 476, 196), fill=(236, 243, 252, 255), outline=(186, 205, 232, 255), width=1, radius=6)
    layer = panel.result()
    image.paste(layer.convert("RGB"), (0, 0), layer)
    label = (74, 96, 130)
    d.text((30, 159), time, font=korean_font(12), fill=label, anchor="mm")
    # the name box sits at (231, 126)-(362, 149); its caption just above it
    d.text((232, 117), name, font=korean_font(12), fill=label, anchor="lm")
    d.text((407, 115), cooldown, font=korean_font(12), fill=label, anchor="lm")
    d.line((20, 109, 459, 109), fill=mix((255, 255, 255), (186, 205, 232), 0.8))
    outline(image, (30, 70, 130))
    cut_corners(image)
    return image
