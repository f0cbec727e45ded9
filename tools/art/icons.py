"""The 24 catalogue icons, 24 x 24, in catalogue order. Each is drawn large in
icon pixel units and reduced; the skill tiles are solid framed squares."""
import math

from PIL import Image

from drawing import Canvas, mix

INK = (40, 36, 48, 255)


def _star(cx, cy, r_out, r_in, points=5, turn=-90):
    pts = []
    for k in range(points * 2):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(turn + k * 180 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def potion(liquid, dark):
    c = Canvas(24, 24)
    # cork and neck
    c.rect((9.2, 1.2, 14.8, 4.6), fill=(150, 104, 62, 255), outline=INK, width=0.7, radius=1)
    c.rect((9.8, 4.2, 14.2, 8.6), fill=(214, 232, 240, 255), outline=INK, width=0.7)
    # round body
    c.ellipse((3.6, 7.2, 20.4, 23.2), fill=(214, 232, 240, 255), outline=INK, width=0.8)
    c.chord((4.4, 8.0, 19.6, 22.4), 5, 175, fill=liquid + (255,))
    c.chord((4.4, 8.0, 19.6, 22.4), 40, 140, fill=dark + (255,))
    c.line([(5.0, 15.2), (19.0, 15.2)], mix(liquid, (255, 255, 255), 0.45) + (255,), 0.9)
    c.ellipse((6.6, 10.0, 9.6, 13.6), fill=(255, 255, 255, 230))
    c.ellipse((12.6, 17.6, 14.2, 19.2), fill=mix(liquid, (255, 255, 255), 0.6) + (255,))
    return c.result()


def ring_of_sparkles():
    c = Canvas(24, 24)
    for k in range(8):
        a = math.radians(k * 45 - 90)
        x, y = 12 + 8.2 * math.cos(a), 12 + 8.2 * math.sin(a)
        big = k % 2 == 0
        colour = (255, 204, 40, 255) if big else (90, 210, 250, 255)
        c.polygon(_star(x, y, 3.6 if big else 2.6, 1.2 if big else 0.9, 4, -90), fill=colour)
    c.ellipse((9.3, 9.3, 14.7, 14.7), fill=(255, 244, 180, 255))
    c.ellipse((10.6, 10.6, 13.4, 13.4), fill=(255, 255, 255, 255))
    return c.result()


def tile(background, light, draw_symbol, frame=(206, 160, 58)):
    """A solid framed square: no magenta anywhere."""
    c = Canvas(24, 24, (0, 0, 0, 255))
    c.rect((0, 0, 24, 24), fill=(58, 42, 22, 255))
    c.rect((1, 1, 23, 23), fill=frame + (255,))
    c.rect((2, 2, 22, 22), fill=mix(frame, (60, 40, 10), 0.5) + (255,))
    mask, md = c.mask()
    md.rectangle(c.s(3, 3, 21, 21), fill=255)
    c.paste_gradient((3, 3, 21, 21), light, background, mask)
    draw_symbol(c)
    return c.result().convert("RGB")


def sword(c):
    c.polygon([(16.8, 4.6), (18.6, 5.2), (9.6, 14.6), (8.6, 13.6)], fill=(236, 240, 246, 255),
              outline=(70, 74, 90, 255), width=0.6)
    c.line([(17.4, 5.4), (9.4, 13.8)], (170, 178, 196, 255), 0.5)
    c.line([(6.4, 12.0), (11.6, 17.2)], (232, 190, 70, 255), 1.6)   # guard
    c.line([(8.2, 15.6), (5.6, 18.2)], (120, 70, 40, 255), 1.8)     # grip
    c.ellipse((4.0, 17.4, 6.6, 20.0), fill=(232, 190, 70, 255))


def shield(c):
    c.polygon([(12, 4.4), (18.6, 6.6), (17.6, 14.0), (12, 19.6), (6.4, 14.0), (5.4, 6.6)],
              fill=(226, 232, 240, 255), outline=(50, 56, 80, 255), width=0.7)
    c.polygon([(12, 6.4), (16.6, 8.0), (15.8, 13.4), (12, 17.2)], fill=(60, 110, 200, 255))
    c.polygon([(12, 6.4), (7.4, 8.0), (8.2, 13.4), (12, 17.2)], fill=(90, 140, 226, 255))


def lightning(c):
    c.polygon([(13.6, 3.6), (7.0, 13.0), (11.4, 13.0), (9.4, 20.6), (17.2, 10.4), (12.6, 10.4), (15.0, 3.6)],
              fill=(255, 240, 120, 255), outline=(120, 70, 10, 255), width=0.6)
    c.line([(13.2, 5.0), (9.2, 11.6)], (255, 255, 230, 255), 0.6)


def flame(c):
    c.polygon([(12, 3.6), (16.8, 10.0), (17.0, 15.0), (14.6, 19.2), (9.4, 19.2), (7.0, 15.0), (7.8, 10.6),
               (9.8, 12.4), (10.0, 7.6)], fill=(255, 140, 30, 255))
    c.polygon([(12, 9.0), (14.8, 13.4), (14.4, 17.2), (12, 18.8), (9.6, 17.2), (9.4, 14.0), (11.0, 14.8)],
              fill=(255, 226, 90, 255))


def heal(c):
    c.rect((9.6, 5.0, 14.4, 19.0), fill=(255, 255, 255, 255), radius=1)
    c.rect((5.0, 9.6, 19.0, 14.4), fill=(255, 255, 255, 255), radius=1)
    c.rect((10.6, 6.0, 13.4, 18.0), fill=(236, 64, 70, 255))
    c.rect((6.0, 10.6, 18.0, 13.4), fill=(236, 64, 70, 255))


def wing(c):
    for k, (dx, dy) in enumerate(((0, 0), (1.6, 3.0), (3.2, 6.0))):
        c.polygon([(6 + dx, 7 + dy), (18.4 - k * 1.6, 5.0 + dy), (15.8 - k * 1.2, 8.6 + dy), (7.6 + dx, 10.2 + dy)],
                  fill=(250, 252, 255, 255), outline=(40, 90, 110, 255), width=0.5)
    c.ellipse((4.2, 15.0, 9.6, 20.0), fill=(250, 252, 255, 255), outline=(40, 90, 110, 255), width=0.5)


def disc():
    c = Canvas(24, 24)
    c.ellipse((1.2, 1.2, 22.8, 22.8), fill=(26, 52, 110, 255))
    mask, md = c.mask()
    md.ellipse(c.s(2.2, 2.2, 21.8, 21.8), fill=255)
    c.paste_gradient((2, 2, 22, 22), (120, 196, 255), (34, 86, 196), mask)
    c.polygon(_star(12, 12.4, 7.6, 3.2), fill=(255, 255, 255, 255))
    c.polygon(_star(12, 12.4, 4.4, 1.9), fill=(255, 236, 120, 255))
    c.arc((3.4, 3.4, 20.6, 20.6), 200, 260, (255, 255, 255, 200), 1.0)
    return c.result()


def scroll():
    c = Canvas(24, 24)
    paper, shade = (246, 226, 176, 255), (208, 172, 112, 255)
    c.rect((5.0, 4.2, 19.0, 19.8), fill=paper, outline=(120, 84, 40, 255), width=0.7)
    c.ellipse((2.4, 2.2, 7.6, 7.4), fill=shade, outline=(120, 84, 40, 255), width=0.7)
    c.ellipse((16.4, 16.6, 21.6, 21.8), fill=shade, outline=(120, 84, 40, 255), width=0.7)
    c.rect((5.0, 2.2, 19.0, 4.8), fill=paper)
    c.line([(5.0, 2.3), (19.0, 2.3)], (120, 84, 40, 255), 0.7)
    for y in (8.4, 11.2, 14.0):
        c.line([(8.0, y), (16.6, y)], (150, 110, 70, 255), 0.8)
    c.ellipse((12.6, 15.4, 17.0, 19.6), fill=(200, 40, 40, 255))   # seal
    return c.result()


def flask():
    c = Canvas(24, 24)
    glass = (220, 238, 246, 255)
    c.rect((9.6, 2.0, 14.4, 9.6), fill=glass, outline=INK, width=0.7)
    c.rect((8.8, 1.4, 15.2, 3.2), fill=(180, 196, 210, 255), outline=INK, width=0.6, radius=0.8)
    c.polygon([(9.6, 9.0), (14.4, 9.0), (20.6, 20.0), (19.4, 22.4), (4.6, 22.4), (3.4, 20.0)], fill=glass,
              outline=INK, width=0.8)
    c.polygon([(7.2, 15.0), (16.8, 15.0), (20.0, 20.4), (19.0, 21.8), (5.0, 21.8), (4.0, 20.4)],
              fill=(60, 150, 240, 255))
    for x, y, r in ((10.0, 18.2, 1.1), (13.4, 19.6, 0.8), (12.2, 12.6, 0.8), (11.0, 7.0, 0.6)):
        c.ellipse((x - r, y - r, x + r, y + r), fill=(230, 248, 255, 255))
    return c.result()


def bowl():
    c = Canvas(24, 24)
    for x in (8.0, 12.0, 16.0):   # steam
        c.arc((x - 1.6, 1.6, x + 1.6, 5.6), 90, 270, (170, 180, 196, 255), 0.8)
        c.arc((x - 1.6, 5.2, x + 1.6, 9.2), 270, 90, (170, 180, 196, 255), 0.8)
    c.ellipse((2.2, 9.4, 21.8, 14.8), fill=(250, 250, 246, 255), outline=INK, width=0.7)   # rice
    for x, y in ((7, 11.4), (10, 10.8), (13, 11.6), (16, 11.0), (11.4, 12.8), (8.6, 13.0), (15.0, 12.9)):
        c.ellipse((x - 0.9, y - 0.5, x + 0.9, y + 0.5), fill=(226, 222, 208, 255))
    c.chord((2.2, 3.8, 21.8, 22.6), 0, 180, fill=(196, 56, 44, 255))
    c.arc((2.2, 3.8, 21.8, 22.6), 0, 180, INK, 0.7)
    c.line([(2.4, 13.2), (21.6, 13.2)], INK, 0.7)
    c.chord((4.4, 6.8, 19.6, 20.4), 40, 140, fill=(226, 96, 74, 255))
    c.rect((8.4, 21.0, 15.6, 22.8), fill=(150, 40, 30, 255), radius=0.6)
    return c.result()


def watermelon_slice():
    c = Canvas(24, 24)
    c.pieslice((-2.0, -11.0, 26.0, 21.4), 20, 160, fill=(40, 130, 52, 255))     # rind
    c.pieslice((-0.4, -9.4, 24.4, 19.4), 20, 160, fill=(236, 246, 214, 255))
    c.pieslice((0.8, -8.2, 23.2, 18.2), 20, 160, fill=(236, 62, 72, 255))
    for x, y in ((8.0, 8.6), (12.0, 11.2), (16.0, 8.6), (10.0, 14.4), (14.0, 14.4), (12.0, 7.2)):
        c.ellipse((x - 0.8, y - 1.1, x + 0.8, y + 1.1), fill=(40, 28, 30, 255))
    return c.result()


def plate_dish():
    c = Canvas(24, 24)
    c.ellipse((0.8, 7.4, 23.2, 21.6), fill=(250, 250, 252, 255), outline=(110, 116, 130, 255), width=0.7)
    c.ellipse((4.0, 9.6, 20.0, 19.4), fill=(236, 238, 244, 255))
    c.ellipse((5.4, 9.0, 17.4, 17.4), fill=(150, 82, 46, 255), outline=(90, 44, 20, 255), width=0.6)  # meat
    for k in range(3):
        c.line([(7.6 + 3 * k, 10.6), (9.6 + 3 * k, 15.6)], (112, 56, 28, 255), 0.7)
    c.ellipse((14.4, 12.8, 19.0, 16.8), fill=(90, 170, 60, 255))    # greens
    c.ellipse((16.2, 11.2, 19.8, 14.6), fill=(120, 196, 80, 255))
    c.ellipse((13.0, 15.2, 16.0, 18.0), fill=(240, 150, 40, 255))   # carrot
    return c.result()


def dessert_glass():
    c = Canvas(24, 24)
    c.ellipse((11.0, 0.8, 15.0, 4.8), fill=(220, 30, 50, 255))      # cherry
    c.line([(13.4, 1.4), (15.6, 0.2)], (60, 120, 40, 255), 0.6)
    c.ellipse((5.2, 3.2, 18.8, 9.8), fill=(255, 250, 240, 255), outline=(200, 190, 170, 255), width=0.5)
    c.polygon([(3.4, 7.0), (20.6, 7.0), (15.4, 15.4), (8.6, 15.4)], fill=(214, 236, 246, 255), outline=INK,
              width=0.7)
    c.polygon([(4.8, 8.0), (19.2, 8.0), (17.6, 10.6), (6.4, 10.6)], fill=(250, 180, 200, 255))
    c.polygon([(6.4, 10.6), (17.6, 10.6), (15.2, 14.6), (8.8, 14.6)], fill=(140, 90, 60, 255))
    c.rect((11.0, 15.2, 13.0, 20.2), fill=(214, 236, 246, 255), outline=INK, width=0.6)
    c.ellipse((6.6, 19.4, 17.4, 23.0), fill=(214, 236, 246, 255), outline=INK, width=0.7)
    return c.result()


def gem(base, cut):
    c = Canvas(24, 24)
    light, dark, deep = mix(base, (255, 255, 255), 0.55), mix(base, (0, 0, 0), 0.3), mix(base, (0, 0, 0), 0.55)
    if cut == "round":
        outline = [(12, 2.0), (19.2, 5.6), (21.6, 12.0), (19.2, 18.4), (12, 22.0), (4.8, 18.4), (2.4, 12.0),
                   (4.8, 5.6)]
        c.polygon(outline, fill=base + (255,), outline=deep + (255,), width=0.8)
        c.polygon([(12, 6.4), (16.4, 8.4), (17.6, 12.0), (16.4, 15.6), (12, 17.6), (7.6, 15.6), (6.4, 12.0),
                   (7.6, 8.4)], fill=light + (255,))
        c.polygon([(12, 17.6), (16.4, 15.6), (19.2, 18.4), (12, 22.0)], fill=dark + (255,))
        c.polygon([(4.8, 5.6), (12, 2.0), (12, 6.4), (7.6, 8.4)], fill=mix(light, (255, 255, 255), 0.5) + (255,))
    elif cut == "emerald":
        outline = [(7.0, 3.0), (17.0, 3.0), (21.0, 7.0), (21.0, 17.0), (17.0, 21.0), (7.0, 21.0), (3.0, 17.0),
                   (3.0, 7.0)]
        c.polygon(outline, fill=base + (255,), outline=deep + (255,), width=0.8)
        c.rect((7.4, 7.4, 16.6, 16.6), fill=light + (255,))
        c.polygon([(3.0, 17.0), (7.4, 16.6), (16.6, 16.6), (21.0, 17.0), (17.0, 21.0), (7.0, 21.0)],
                  fill=dark + (255,))
        c.line([(8.4, 9.0), (11.0, 9.0)], (255, 255, 255, 255), 1.0)
    else:  # a cut stone seen from the side: crown over pavilion
        c.polygon([(6.0, 4.0), (18.0, 4.0), (22.0, 9.0), (12.0, 21.6), (2.0, 9.0)], fill=base + (255,),
                  outline=deep + (255,), width=0.8)
        c.polygon([(6.0, 4.0), (18.0, 4.0), (22.0, 9.0), (2.0, 9.0)], fill=light + (255,))
        c.polygon([(8.0, 9.0), (16.0, 9.0), (12.0, 21.6)], fill=dark + (255,))
        c.line([(9.4, 4.4), (7.6, 8.6)], (255, 255, 255, 255), 0.7)
        c.line([(14.6, 4.4), (16.4, 8.6)], mix(light, (255, 255, 255), 0.6) + (255,), 0.6)
    c.polygon(_star(18.4, 5.0, 2.6, 0.7, 4), fill=(255, 255, 255, 255))
    return c.result()


def eyes(c, y, dx=2.6, cx=12, r=1.5, white=True):
    for x in (cx - dx, cx + dx):
        if white:
            c.ellipse((x - r * 1.25, y - r * 1.35, x + r * 1.25, y + r * 1.35), fill=(255, 255, 255, 255))
        c.ellipse((x - r * 0.7, y - r * 0.8, x + r * 0.7, y + r * 0.8), fill=(20, 20, 30, 255))


def slime():
    c = Canvas(24, 24)
    c.ellipse((2.0, 19.0, 22.0, 23.0), fill=(0, 0, 0, 60))
    c.polygon([(12, 3.0), (15.4, 7.6), (20.4, 12.4), (21.8, 17.4), (19.6, 21.0), (4.4, 21.0), (2.2, 17.4),
               (3.6, 12.4), (8.6, 7.6)], fill=(70, 196, 76, 255), outline=(24, 100, 34, 255), width=0.8)
    c.ellipse((6.0, 9.6, 9.4, 13.0), fill=(200, 250, 190, 255))
    eyes(c, 14.4)
    c.arc((9.6, 14.6, 14.4, 18.6), 20, 160, (24, 80, 30, 255), 0.7)
    return c.result()


def bat():
    c = Canvas(24, 24)
    wing = (110, 60, 150, 255)
    c.polygon([(12, 9.0), (6.0, 5.4), (0.8, 8.0), (2.6, 10.2), (1.6, 13.6), (4.8, 12.6), (6.0, 15.6), (9.0, 13.6)],
              fill=wing, outline=(50, 20, 70, 255), width=0.6)
    c.polygon([(12, 9.0), (18.0, 5.4), (23.2, 8.0), (21.4, 10.2), (22.4, 13.6), (19.2, 12.6), (18.0, 15.6),
               (15.0, 13.6)], fill=wing, outline=(50, 20, 70, 255), width=0.6)
    c.ellipse((7.8, 7.6, 16.2, 17.6), fill=(140, 90, 180, 255), outline=(50, 20, 70, 255), width=0.6)
    c.polygon([(8.6, 9.6), (9.0, 5.6), (11.0, 8.4)], fill=(140, 90, 180, 255))
    c.polygon([(15.4, 9.6), (15.0, 5.6), (13.0, 8.4)], fill=(140, 90, 180, 255))
    eyes(c, 11.8, dx=1.8, r=1.1, white=False)
    c.ellipse((9.6, 10.9, 11.0, 12.3), fill=(255, 220, 60, 255))
    c.ellipse((13.0, 10.9, 14.4, 12.3), fill=(255, 220, 60, 255))
    c.polygon([(10.8, 14.4), (11.6, 14.4), (11.2, 15.8)], fill=(255, 255, 255, 255))
    c.polygon([(12.4, 14.4), (13.2, 14.4), (12.8, 15.8)], fill=(255, 255, 255, 255))
    return c.result()


def ghost():
    c = Canvas(24, 24)
    body = [(12, 2.6)]
    for k in range(0, 181, 15):
        a = math.radians(180 + k)
        body.append((12 + 8.4 * math.cos(a), 11.0 + 8.4 * math.sin(a)))
    body += [(20.4, 20.6), (17.6, 18.6), (15.0, 21.4), (12.0, 19.0), (9.0, 21.4), (6.4, 18.6), (3.6, 20.6)]
    c.polygon(body[1:], fill=(236, 244, 255, 255), outline=(90, 110, 160, 255), width=0.8)
    c.ellipse((5.6, 6.0, 9.0, 9.6), fill=(255, 255, 255, 255))
    c.ellipse((7.4, 9.2, 10.6, 13.4), fill=(40, 50, 90, 255))
    c.ellipse((13.4, 9.2, 16.6, 13.4), fill=(40, 50, 90, 255))
    c.ellipse((10.4, 14.2, 13.6, 17.4), fill=(40, 50, 90, 255))
    c.ellipse((4.6, 13.0, 7.2, 14.6), fill=(255, 180, 200, 255))
    c.ellipse((16.8, 13.0, 19.4, 14.6), fill=(255, 180, 200, 255))
    return c.result()


def fox():
    c = Canvas(24, 24)
    fur, dark, cream = (236, 128, 40, 255), (120, 56, 16, 255), (255, 244, 226, 255)
    c.polygon([(3.0, 2.4), (9.8, 7.6), (4.2, 11.0)], fill=fur, outline=dark, width=0.6)
    c.polygon([(21.0, 2.4), (14.2, 7.6), (19.8, 11.0)], fill=fur, outline=dark, width=0.6)
    c.polygon([(4.4, 4.6), (7.8, 7.6), (5.2, 9.0)], fill=(60, 30, 20, 255))
    c.polygon([(19.6, 4.6), (16.2, 7.6), (18.8, 9.0)], fill=(60, 30, 20, 255))
    c.polygon([(12, 6.2), (19.6, 8.4), (21.4, 13.0), (12, 22.0), (2.6, 13.0), (4.4, 8.4)], fill=fur,
              outline=dark, width=0.7)
    c.polygon([(12, 22.0), (4.6, 14.0), (9.0, 14.4), (12, 16.0), (15.0, 14.4), (19.4, 14.0)], fill=cream)
    eyes(c, 12.2, dx=3.6, r=1.2, white=False)
    c.ellipse((10.6, 19.0, 13.4, 21.2), fill=(30, 24, 24, 255))
    return c.result()


def imp():
    c = Canvas(24, 24)
    skin, dark = (214, 52, 44, 255), (100, 16, 16, 255)
    c.polygon([(5.2, 8.0), (3.0, 1.6), (8.6, 5.4)], fill=(250, 226, 160, 255), outline=dark, width=0.5)
    c.polygon([(18.8, 8.0), (21.0, 1.6), (15.4, 5.4)], fill=(250, 226, 160, 255), outline=dark, width=0.5)
    c.polygon([(1.4, 10.6), (5.0, 10.0), (4.6, 14.0)], fill=skin, outline=dark, width=0.5)
    c.polygon([(22.6, 10.6), (19.0, 10.0), (19.4, 14.0)], fill=skin, outline=dark, width=0.5)
    c.ellipse((3.6, 4.0, 20.4, 22.0), fill=skin, outline=dark, width=0.8)
    c.polygon([(6.4, 10.0), (10.6, 11.6), (6.8, 12.0)], fill=(255, 236, 80, 255))
    c.polygon([(17.6, 10.0), (13.4, 11.6), (17.2, 12.0)], fill=(255, 236, 80, 255))
    c.chord((7.6, 12.4, 16.4, 19.6), 10, 170, fill=(90, 12, 12, 255))
    c.polygon([(9.0, 16.0), (10.2, 16.0), (9.6, 17.6)], fill=(255, 255, 255, 255))
    c.polygon([(13.8, 16.0), (15.0, 16.0), (14.4, 17.6)], fill=(255, 255, 255, 255))
    c.ellipse((6.0, 5.4, 9.6, 8.2), fill=(245, 120, 110, 255))
    return c.result()


def lightning_tile_24bit():
    """Tile 20006 keeps its smooth purple gradient at 24 bits per pixel."""
    return tile((64, 20, 110), (168, 110, 236), lightning)


# (file stem, drawing, kind) in catalogue order; kind is "8" or "24" bits.
ICONS = [
    ("20001", lambda: potion((60, 196, 80), (30, 140, 50)), "8"),
    ("20002", lambda: potion((226, 48, 52), (160, 20, 30)), "8"),
    ("20003", ring_of_sparkles, "8"),
    ("20004", lambda: tile((110, 20, 24), (200, 80, 70), sword), "8"),
    ("20005", lambda: tile((20, 50, 120), (100, 150, 220), shield), "8"),
    ("20006", lightning_tile_24bit, "24"),
    ("20007", disc, "8"),
    ("20008", lambda: tile((110, 30, 10), (230, 110, 40), flame), "8"),
    ("20009", lambda: tile((20, 100, 50), (110, 200, 120), heal), "8"),
    ("20010", lambda: tile((10, 90, 110), (90, 196, 210), wing), "8"),
    ("20011", scroll, "8"),
    ("20012", flask, "8"),
    ("20013", bowl, "8"),
    ("20014", watermelon_slice, "8"),
    ("20015", plate_dish, "8"),
    ("20016", dessert_glass, "8"),
    ("20017", lambda: gem((240, 110, 170), "round"), "8"),
    ("20018", lambda: gem((120, 140, 168), "emerald"), "8"),
    ("20019", lambda: gem((222, 196, 150), "crown"), "8"),
    ("20020", slime, "8"),
    ("20021", bat, "8"),
    ("20022", ghost, "8"),
    ("20023", fox, "8"),
    ("20024", imp, "8"),
]

SOLID = {"20004", "20005", "20006", "20008", "20009", "20010"}
