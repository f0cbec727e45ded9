"""The buttons and small sprites of the two windows, on magenta where the skin
is to show through."""
from drawing import Canvas, mix

STRIP = (198, 225, 249)   # the bar's title strip, under the pin and the close button
FACE = (250, 252, 255)    # the editor's face, under its buttons


def close_button():
    """11 x 11: a red square with a white cross."""
    c = Canvas(11, 11)
    c.rect((0, 0, 11, 11), fill=(160, 40, 36, 255), radius=2.2)
    c.rect((0.8, 0.8, 10.2, 10.2), fill=(222, 76, 64, 255), radius=1.8)
    c.line([(3.2, 3.2), (7.8, 7.8)], (255, 255, 255, 255), 1.6)
    c.line([(7.8, 3.2), (3.2, 7.8)], (255, 255, 255, 255), 1.6)
    return c.result()


def pin_pushed_in():
    """16 x 16: a pin pressed into the board, seen head-on."""
    c = Canvas(16, 16)
    c.ellipse((2.5, 3.5, 14.5, 15.5), fill=(60, 80, 110, 90))        # shadow on the board
    c.ellipse((1.5, 1.5, 13.5, 13.5), fill=(150, 24, 24, 255))       # rim
    c.ellipse((2.5, 2.5, 12.5, 12.5), fill=(220, 52, 44, 255))       # head
    c.ellipse((4.0, 3.6, 8.4, 7.6), fill=(255, 170, 160, 255))       # shine
    c.ellipse((6.2, 6.2, 8.8, 8.8), fill=(120, 16, 16, 255))         # the needle's end
    return c.result()


def pin_lying():
    """16 x 16: a pin lying on its side."""
    c = Canvas(16, 16)
    c.line([(7.5, 8.5), (15.0, 15.0)], (120, 128, 140, 255), 1.3)     # needle
    c.line([(7.5, 8.0), (14.0, 14.0)], (215, 222, 230, 255), 0.5)
    c.polygon([(4.5, 8.5), (8.5, 4.5), (10.5, 9.5), (9.5, 10.5)], fill=(176, 32, 30, 255))  # collar
    c.ellipse((0.5, 0.5, 8.5, 8.5), fill=(150, 24, 24, 255))
    c.ellipse((1.3, 1.3, 7.7, 7.7), fill=(222, 54, 46, 255))
    c.ellipse((2.3, 2.0, 5.0, 4.6), fill=(255, 176, 166, 255))
    return c.result()


def text_button(label, top, bottom, border, ink):
    """42 x 20: a rounded button with a label."""
    c = Canvas(42, 20)
    c.rect((0, 0, 42, 20), fill=border + (255,), radius=4)
    mask, md = c.mask()
    md.rounded_rectangle(c.s(1, 1, 41, 19), radius=3.2 * 8, fill=255)
    c.paste_gradient((0, 0, 42, 20), top, bottom, mask)
    c.line([(4, 1.6), (38, 1.6)], mix(top, (255, 255, 255), 0.6) + (255,), 0.8)
    c.text((21, 10.6), label, 11, ink + (255,))
    return c.result()


# The two buttons' words in each language (the suffix of their files).
BUTTON_WORDS = {"": ("확인", "취소"), "_en": ("OK", "Cancel")}


def ok_button(language=""):
    return text_button(BUTTON_WORDS[language][0], (96, 158, 226), (40, 100, 180), (28, 70, 132), (255, 255, 255))


def cancel_button(language=""):
    return text_button(BUTTON_WORDS[language][1], (250, 251, 253), (214, 221, 232), (128, 140, 160), (40, 52, 72))


def arrow(up):
    """18 x 18: a small round-cornered button with a triangle."""
    c = Canvas(18, 18)
    c.rect((0, 0, 18, 18), fill=(110, 140, 186, 255), radius=3.5)
    mask, md = c.mask()
    md.rounded_rectangle(c.s(1, 1, 17, 17), radius=2.8 * 8, fill=255)
    c.paste_gradient((0, 0, 18, 18), (246, 250, 255), (196, 216, 242), mask)
    if up:
        c.polygon([(9, 5), (14, 12), (4, 12)], fill=(34, 78, 150, 255))
    else:
        c.polygon([(4, 6), (14, 6), (9, 13)], fill=(34, 78, 150, 255))
    return c.result()
