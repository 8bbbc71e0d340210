#!/usr/bin/env python3
"""Draw Plandeck's pictures from plain rounded rectangles.

Next to this script: the windows' banner.gif and icon.gif, and their
banner@2x.gif and icon@2x.gif for screens at twice the pixel density (Qt's
icon loader picks a "@2x" file by its name). In packaging/icons/: the
application icon for the desktop's menus, plandeck.svg and plandeck-N.png
for each hicolor size N.

Every picture is drawn from the same rectangles, painted onto a palette
raster (GIF), a supersampled palette raster (PNG) or into an SVG, by the tiny
writers below (standard library only). The output is deterministic, so
re-running reproduces the same bytes:

    python3 windows/images/draw_pictures.py
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.join(HERE, "..", "..", "packaging", "icons")
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)   # hicolor folders NxN

# ---------------------------------------------------------------- palette --
CLEAR = 255                       # transparent index in every picture
COLOURS = [                       # index: (r, g, b)
    (0x3a, 0x41, 0x4f),           # 0 ink: outlines, rings, title bar
    (0xff, 0xff, 0xff),           # 1 paper
    (0xe0, 0x4b, 0x3f),           # 2 header red
    (0xb8, 0x36, 0x2c),           # 3 header shadow
    (0x2f, 0x6f, 0xd6),           # 4 today blue
    (0xdd, 0xe2, 0xea),           # 5 day cell
    (0xc8, 0xd0, 0xdc),           # 6 weekend cell
    (0xf2, 0xa9, 0x3b),           # 7 event amber
    (0xea, 0xf1, 0xfb),           # 8 banner background
    (0xb4, 0xc6, 0xe2),           # 9 banner border, text bars
]
INK, PAPER, RED, RED_DARK, BLUE, CELL, WEEKEND, AMBER, BG, BORDER = range(10)


def palette():
    """256 RGB entries: our colours, a grey ramp as filler, white at 255."""
    pal = list(COLOURS)
    while len(pal) < 255:
        g = (len(pal) - len(COLOURS)) * 255 // (254 - len(COLOURS))
        pal.append((g, g, g))
    pal.append((0xff, 0xff, 0xff))
    return pal


# ----------------------------------------------------------------- canvas --
class Canvas:
    """Palette-index raster of width x height logical units, `scale` pixels
    each (a fraction for the icon sizes that are no multiple of the design);
    `samples` x `samples` pixels later make one pixel of a PNG."""

    def __init__(self, width, height, scale=1, samples=1):
        self.s = scale * samples
        self.w, self.h = round(width * self.s), round(height * self.s)
        self.samples = samples
        self.px = [CLEAR] * (self.w * self.h)

    def rect(self, x, y, w, h, colour, r=0):
        """Fill a rectangle whose corners are rounded with radius r: every
        pixel whose centre lies inside."""
        s = self.s
        x0, y0, x1, y1, rr = x * s, y * s, (x + w) * s, (y + h) * s, r * s
        for py in range(max(math.ceil(y0 - 0.5), 0), min(math.ceil(y1 - 0.5), self.h)):
            cy = py + 0.5
            dy = max(y0 + rr - cy, cy - (y1 - rr), 0)
            for px in range(max(math.ceil(x0 - 0.5), 0), min(math.ceil(x1 - 0.5), self.w)):
                cx = px + 0.5
                dx = max(x0 + rr - cx, cx - (x1 - rr), 0)
                if dx * dx + dy * dy <= rr * rr:
                    self.px[py * self.w + px] = colour


class Svg:
    """The same rectangles as SVG elements, painted in the same order."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.shapes = []

    def rect(self, x, y, w, h, colour, r=0):
        rounded = f' rx="{r}"' if r else ""
        self.shapes.append(f'<rect x="{x}" y="{y}" width="{w}" height="{h}"{rounded}'
                           f' fill="#{"%02x%02x%02x" % COLOURS[colour]}"/>')


def page(c, x, y, w, h, header=10):
    """A bare calendar sheet: outline, paper and (optionally) a red header."""
    c.rect(x, y, w, h, INK, r=4)
    c.rect(x + 1, y + 1, w - 2, h - 2, PAPER, r=3)
    if header:
        c.rect(x + 1, y + 1, w - 2, header + 3, RED, r=3)
        c.rect(x + 1, y + header, w - 2, 4, PAPER)
        c.rect(x + 1, y + header, w - 2, 1, RED_DARK)


def calendar(c, x, y):
    """A 40 x 40 month sheet with binder rings, 7 x 5 day grid, one today."""
    w, h, header = 40, 40, 10
    page(c, x, y, w, h, header)
    for rx in (x + 8, x + 29):                  # binder rings over the header
        c.rect(rx, y + 3, 3, 3, RED_DARK, r=1)
        c.rect(rx, y - 3, 3, 7, INK, r=1)
    events = {(2, 1), (4, 3)}
    gx, gy = x + 3, y + header + 3              # 7 * 4 + 6 = 34 px wide
    for row in range(5):
        for col in range(7):
            colour = WEEKEND if col >= 5 else CELL
            if (col, row) in events:
                colour = AMBER
            if (col, row) == (3, 2):
                colour = BLUE
            c.rect(gx + col * 5, gy + row * 5, 4, 4, colour)


def icon(c, size):
    """The calendar sheet on a square canvas of size x size units."""
    calendar(c, (size - 40) // 2, 4)
    return c


def banner(scale=1):
    c = Canvas(115, 55, scale)
    c.rect(0, 0, 115, 55, BORDER, r=9)          # rounded backdrop
    c.rect(1, 1, 113, 53, BG, r=8)
    page(c, 13, 11, 40, 40, header=0)           # the deck behind the sheet
    page(c, 11, 9, 40, 40, header=0)
    calendar(c, 9, 7)
    c.rect(62, 11, 40, 6, INK, r=3)             # word-less agenda
    for i, (dot, length) in enumerate([(BLUE, 33), (RED, 25), (AMBER, 29)]):
        y = 23 + i * 9
        c.rect(62, y, 5, 5, dot, r=1)
        c.rect(70, y, length, 5, BORDER, r=2)
    return c


# ---------------------------------------------------------------- writers --
def lzw(data, min_size=8):
    """GIF variable-length LZW; restarts with a clear code when full."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0

    def emit(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xff)
            acc >>= 8
            nbits -= 8

    def reset():
        return {}, end + 1, min_size + 1

    table, nxt, width = reset()
    emit(clear, width)
    prefix = data[0]
    for byte in data[1:]:
        key = (prefix, byte)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix, width)
        if nxt == 4096:                         # table full: start over
            emit(clear, width)
            table, nxt, width = reset()
        else:
            table[key] = nxt
            nxt += 1
            if nxt > (1 << width) and width < 12:
                width += 1
        prefix = byte
    emit(prefix, width)
    emit(end, width)
    if nbits:
        out.append(acc & 0xff)
    return bytes(out)


def write_gif(path, c):
    pal = palette()
    data = lzw(bytes(c.px))
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    gif = (b"GIF89a"
           + struct.pack("<HHBBB", c.w, c.h, 0xF7, CLEAR, 0)   # 256 colours
           + b"".join(bytes(rgb) for rgb in pal)
           + b"\x21\xF9\x04\x01\x00\x00" + bytes([CLEAR]) + b"\x00"
           + b"\x2C" + struct.pack("<HHHHB", 0, 0, c.w, c.h, 0)
           + b"\x08" + blocks + b"\x00"
           + b"\x3B")
    with open(path, "wb") as f:
        f.write(gif)


def write_png(path, c):
    """RGBA PNG; each samples x samples block of the canvas becomes one pixel."""
    pal, s = palette(), c.samples
    w, h = c.w // s, c.h // s
    raw = bytearray()
    for y in range(h):
        raw.append(0)                           # filter: none
        for x in range(w):
            n, rgb = 0, [0, 0, 0]
            for sy in range(s):
                for sx in range(s):
                    i = c.px[(y * s + sy) * c.w + x * s + sx]
                    if i != CLEAR:
                        n += 1
                        rgb = [a + b for a, b in zip(rgb, pal[i])]
            if n:
                raw += bytes((v + n // 2) // n for v in rgb)
                raw.append((n * 255 + s * s // 2) // (s * s))
            else:
                raw += b"\0\0\0\0"

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body)))

    png = (b"\x89PNG\r\n\x1a\n"
           + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
           + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


def write_svg(path, c):
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{c.w}" height="{c.h}"'
           f' viewBox="0 0 {c.w} {c.h}">\n'
           + "".join(f"  {shape}\n" for shape in c.shapes)
           + "</svg>\n")
    with open(path, "w", encoding="ascii") as f:
        f.write(svg)


if __name__ == "__main__":
    for scale, suffix in ((1, ""), (2, "@2x")):
        write_gif(os.path.join(HERE, f"banner{suffix}.gif"), banner(scale))
        write_gif(os.path.join(HERE, f"icon{suffix}.gif"), icon(Canvas(47, 47, scale), 47))
    os.makedirs(ICONS, exist_ok=True)
    write_svg(os.path.join(ICONS, "plandeck.svg"), icon(Svg(48, 48), 48))
    for size in ICON_SIZES:
        write_png(os.path.join(ICONS, f"plandeck-{size}.png"),
                  icon(Canvas(48, 48, size / 48, samples=4), 48))
