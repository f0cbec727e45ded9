"""Writers for the exact bitmap and icon formats the program's resources use.

Pillow draws the pictures; these functions store them bit for bit as the
resource compiler and GDI expect: 8-bit with a colour table, 16-bit 5-5-5,
24-bit, and 256-colour icon images with their transparency masks.
"""
import struct

MAGENTA = (255, 0, 255)


def _row_padded(data, stride):
    return data + b"\0" * (stride - len(data))


def _file_header(size_info_and_table, pixel_bytes):
    offset = 14 + size_info_and_table
    return b"BM" + struct.pack("<IHHI", offset + pixel_bytes, 0, 0, offset)


def _info_header(width, height, bits, image_bytes, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_bytes, 2835, 2835, colours, 0)


def palette_of(image, keep=()):
    """The image's colours as a table of at most 256 entries (exact, no dithering)."""
    colours = sorted(set(image.getdata()))
    if len(colours) > 256:
        raise ValueError(f"{len(colours)} colours do not fit a 256-colour table")
    for colour in keep:
        if colour not in colours:
            colours.append(colour)
    return colours


def _indexed_rows(image, table):
    index = {colour: i for i, colour in enumerate(table)}
    width, height = image.size
    pixels = image.load()
    stride = (width + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        rows.append(_row_padded(bytes(index[pixels[x, y]] for x in range(width)), stride))
    return b"".join(rows)


def _colour_table(table):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in table)


def write_bmp8(path, image):
    image = image.convert("RGB")
    table = palette_of(image)
    bits = _indexed_rows(image, table)
    info = _info_header(image.width, image.height, 8, len(bits), len(table))
    colours = _colour_table(table)
    with open(path, "wb") as out:
        out.write(_file_header(len(info) + len(colours), len(bits)) + info + colours + bits)


def _direct_colour_bits(image, bytes_per_pixel, pack):
    """Bottom-up rows of packed pixels, each row padded to 4 bytes."""
    width, height = image.size
    pixels = image.load()
    stride = (width * bytes_per_pixel + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        rows.append(_row_padded(b"".join(pack(*pixels[x, y]) for x in range(width)), stride))
    return b"".join(rows)


def _write_direct_colour(path, image, bits, pack):
    image = image.convert("RGB")
    data = _direct_colour_bits(image, bits // 8, pack)
    info = _info_header(image.width, image.height, bits, len(data))
    with open(path, "wb") as out:
        out.write(_file_header(len(info), len(data)) + info + data)


def write_bmp16(path, image):
    """16 bits per pixel, 5 bits per channel (BI_RGB)."""
    _write_direct_colour(path, image, 16,
                         lambda r, g, b: struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)))


def write_bmp24(path, image):
    _write_direct_colour(path, image, 24, lambda r, g, b: struct.pack("<BBB", b, g, r))


def _icon_image(image):
    """One icon directory image: 8-bit colour bits and the 1-bit AND mask."""
    rgba = image.convert("RGBA")
    width, height = rgba.size
    opaque = [a >= 128 for a in rgba.getchannel("A").getdata()]
    rgb = rgba.convert("RGB")
    flat = [c if keep else (0, 0, 0) for c, keep in zip(rgb.getdata(), opaque)]
    rgb.putdata(flat)
    rgb = reduce_colours(rgb, 256)
    table = palette_of(rgb)
    table += [(0, 0, 0)] * (256 - len(table))
    xor_bits = _indexed_rows(rgb, table)
    mask_stride = ((width + 31) // 32) * 4
    mask_rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(width):
            if not opaque[y * width + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(row))
    mask_bits = b"".join(mask_rows)
    info = _info_header(width, height * 2, 8, len(xor_bits) + len(mask_bits), 256)
    return info + _colour_table(table) + xor_bits + mask_bits


def write_ico(path, images):
    """A 256-colour icon file holding the given RGBA images, largest first."""
    blobs = [_icon_image(image) for image in images]
    header = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    entries = b""
    for image, blob in zip(images, blobs):
        size = image.width if image.width < 256 else 0
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as out:
        out.write(header + entries + b"".join(blobs))


def reduce_colours(image, limit=255):
    """The RGB image with at most `limit` colours (median cut, no dithering);
    images that already fit are left exactly as they are."""
    image = image.convert("RGB")
    if len(set(image.getdata())) <= limit:
        return image
    from PIL import Image
    return image.quantize(colors=limit, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE).convert("RGB")


def flatten_sprite(rgba, behind):
    """An RGBA drawing as a colour-keyed sprite: pixels under half coverage
    become magenta, the rest are blended over `behind` (the colour the sprite
    usually sits on) so that edges stay smooth; no drawn pixel is magenta."""
    from PIL import Image
    base = Image.new("RGBA", rgba.size, behind + (255,))
    solid = reduce_colours(Image.alpha_composite(base, rgba), 255)
    alpha = rgba.getchannel("A").getdata()
    out = [MAGENTA if a < 128 else ((254, 0, 255) if c == MAGENTA else c) for c, a in zip(solid.getdata(), alpha)]
    solid.putdata(out)
    return solid
