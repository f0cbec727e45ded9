"""Small drawing helpers shared by the pictures: supersampled canvases in the
picture's own pixel units, gradients and the Korean UI font."""
import os

from PIL import Image, ImageDraw, ImageFont

SUPER = 8
FONT_DIR = "/usr/share/fonts/truetype/nanum"


class Canvas:
    """An RGBA drawing of `width` x `height` picture pixels, drawn SUPER times
    larger; coordinates are given in picture pixels."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.image = Image.new("RGBA", (width * SUPER, height * SUPER), fill)
        self.draw = ImageDraw.Draw(self.image)

    def s(self, *values):
        return [v * SUPER for v in values]

    def ellipse(self, box, fill=None, outline=None, width=0):
        self.draw.ellipse(self.s(*box), fill=fill, outline=outline, width=int(width * SUPER))

    def rect(self, box, fill=None, outline=None, width=0, radius=0):
        if radius:
            self.draw.rounded_rectangle(self.s(*box), radius=radius * SUPER, fill=fill, outline=outline,
                                        width=int(width * SUPER))
        else:
            self.draw.rectangle(self.s(*box), fill=fill, outline=outline, width=int(width * SUPER))

    def polygon(self, points, fill=None, outline=None, width=0):
        flat = [(x * SUPER, y * SUPER) for x, y in points]
        self.draw.polygon(flat, fill=fill)
        if outline:
            self.draw.line(flat + flat[:1], fill=outline, width=int(width * SUPER), joint="curve")

    def line(self, points, fill, width):
        self.draw.line([(x * SUPER, y * SUPER) for x, y in points], fill=fill, width=max(1, int(width * SUPER)),
                       joint="curve")

    def pieslice(self, box, start, end, fill):
        self.draw.pieslice(self.s(*box), start, end, fill=fill)

    def arc(self, box, start, end, fill, width):
        self.draw.arc(self.s(*box), start, end, fill=fill, width=int(width * SUPER))

    def chord(self, box, start, end, fill):
        self.draw.chord(self.s(*box), start, end, fill=fill)

    def text(self, centre, text, size, fill, bold=True):
        font = korean_font(size * SUPER, bold)
        self.draw.text((centre[0] * SUPER, centre[1] * SUPER), text, font=font, fill=fill, anchor="mm")

    def paste_gradient(self, box, top, bottom, mask=None):
        """Fills box with a vertical gradient, through an optional mask drawn in
        the same supersampled space."""
        left, upper, right, lower = [int(v) for v in self.s(*box)]
        gradient = vertical_gradient(right - left, lower - upper, top, bottom)
        if mask is not None:
            mask = mask.crop((left, upper, right, lower))
        self.image.paste(gradient, (left, upper), mask)

    def mask(self):
        """A blank mask in supersampled space, with a helper Draw."""
        image = Image.new("L", self.image.size, 0)
        return image, ImageDraw.Draw(image)

    def result(self):
        return self.image.resize((self.width, self.height), Image.LANCZOS)


def vertical_gradient(width, height, top, bottom):
    top = tuple(top) + (255,) * (4 - len(top))
    bottom = tuple(bottom) + (255,) * (4 - len(bottom))
    column = Image.new("RGBA", (1, max(height, 1)))
    for y in range(height):
        t = y / max(height - 1, 1)
        column.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)))
    return column.resize((max(width, 1), max(height, 1)))


def korean_font(size, bold=True):
    name = "NanumGothicBold.ttf" if bold else "NanumGothic.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), int(size))


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))
