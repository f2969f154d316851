"""Reading and writing the two image formats the pictures need, with the standard library only.

BMP: the bitmaps compiled into the program, 8 bits per pixel with a 256-entry palette, uncompressed
(BI_RGB), rows stored bottom-up and padded to whole 32-bit words. PNG: the contact sheet, 24-bit RGB.
"""

import struct
import zlib

BI_RGB = 0


def write_bmp8(path, pixels):
    """Writes rows of RGB tuples as an 8-bit palette BMP; fails if more than 256 colours are used."""
    height = len(pixels)
    width = len(pixels[0])
    palette = sorted({c for row in pixels for c in row})
    if len(palette) > 256:
        raise ValueError(f"{path}: {len(palette)} colours do not fit an 8-bit palette")
    index = {c: i for i, c in enumerate(palette)}
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = (width + 3) & ~3
    image = bytearray()
    for row in reversed(pixels):
        image += bytes(index[c] for c in row)
        image += bytes(stride - width)
    offset = 14 + 40 + 256 * 4
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, BI_RGB, len(image), 2835, 2835,
                              256, 0)
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    with open(path, "wb") as f:
        f.write(file_header + info_header + colour_table + image)


def read_bmp8(path):
    """Reads an 8-bit palette BMP (as written above) into rows of RGB tuples, top row first."""
    with open(path, "rb") as f:
        data = f.read()
    magic, _, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    header_size, width, height, _, bits, compression, _, _, _, used, _ = struct.unpack_from(
        "<IiiHHIIiiII", data, 14)
    if magic != b"BM" or bits != 8 or compression != BI_RGB:
        raise ValueError(f"{path}: not an uncompressed 8-bit BMP")
    count = used or 256
    table = 14 + header_size
    palette = [(data[table + 4 * i + 2], data[table + 4 * i + 1], data[table + 4 * i]) for i in range(count)]
    stride = (width + 3) & ~3
    rows = []
    for r in range(abs(height)):
        start = offset + r * stride
        rows.append([palette[i] for i in data[start:start + width]])
    if height > 0:
        rows.reverse()
    return rows


def write_png(path, pixels):
    """Writes rows of RGB tuples as a 24-bit PNG."""
    height = len(pixels)
    width = len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b in row:
            raw += bytes((r, g, b))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
                + chunk(b"IEND", b""))
