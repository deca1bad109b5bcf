#!/usr/bin/env python3
"""Draws the tray and window icons and the program's own icon.

Every picture is drawn on a grid of 16 units, once for each size Windows asks for at
100 % to 200 % display scale (16, 20, 24, 32, 40 and 48 pixels; the program's own icons
also 256). At 16 and 32 the grid falls on whole pixels; at the other sizes each grid
line is moved to the nearest whole pixel, so no edge is blurred across two. Outlines and
lines of writing grow in whole pixels with the size. The icons are written as 32-bit
icons with an alpha channel and an AND mask, which every Windows version (and Wine)
loads.

    python3 assets/icons-src/make_icons.py        # writes assets/Icons/*.ico, assets/quillmar.ico,
                                                  # assets/einstellungen.ico
"""
import math
import pathlib
import struct

ASSETS = pathlib.Path(__file__).resolve().parent.parent

OUTLINE = (52, 56, 68)
PAPER = (255, 255, 255)
FOLD = (208, 214, 224)
TEXT = (128, 138, 156)
BLUE = (34, 92, 196)
RED = (196, 40, 40)
GREEN = (36, 150, 60)
FOLDER = (244, 192, 64)
FOLDER_DARK = (204, 148, 32)
SKY = (124, 182, 240)
SUN = (252, 208, 40)
HILL = (64, 156, 72)
HILL_DARK = (36, 112, 52)
TILE = (214, 228, 246)
TILE_EDGE = (140, 168, 206)
BOARD = (164, 112, 62)
BOARD_DARK = (112, 72, 36)
CLIP = (176, 184, 196)
QUILL = (24, 64, 150)

# Letters and digits on the pixel grid: three by five pixels for 16x16, five by seven
# for the larger sizes.
SMALL_FONT = {
    "3": ["111", "001", "011", "001", "111"],
    "A": ["010", "101", "111", "101", "101"],
    "a": ["000", "000", "011", "101", "011"],
}
LARGE_FONT = {
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "a": ["00000", "00000", "01110", "00001", "01111", "10001", "01111"],
}


DRAWN_SIZES = (16, 32)


class Canvas:
    """RGBA pixels; shapes are polygons in pixel coordinates, anti-aliased by 4x4 samples."""

    SAMPLES = 4

    def __init__(self, size):
        self.size = size
        self.k = size / 16
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def u(self, value):
        """Grid units to pixels. The motifs were drawn for 16x16 and 32x32, where their
        half units are meant; at every other size a grid line goes to the nearest pixel."""
        exact = value * self.k
        return exact if self.size in DRAWN_SIZES else round(exact)

    def stroke(self):
        """The thickness of a line of writing: one grid unit in whole pixels."""
        return max(1, math.floor(self.k))

    def outline(self):
        """The width of an outline: one pixel up to 48x48, then growing with the size."""
        return max(1, math.floor(self.k / 2))

    def poly(self, points, colour):
        n = self.SAMPLES
        ys = [p[1] for p in points]
        top, bottom = max(0, math.floor(min(ys))), min(self.size, math.ceil(max(ys)))
        for y in range(top, bottom):
            coverage = [0] * self.size
            for sy in range(n):
                fy = y + (sy + 0.5) / n
                for x0, x1 in _spans(points, fy):
                    for x in range(max(0, math.floor(x0)), min(self.size, math.ceil(x1))):
                        for sx in range(n):
                            if x0 <= x + (sx + 0.5) / n < x1:
                                coverage[x] += 1
            for x, hits in enumerate(coverage):
                if hits:
                    self._blend(x, y, colour, hits / (n * n))

    def rect(self, x0, y0, x1, y1, colour):
        self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], colour)

    def framed(self, points, fill, outline=OUTLINE):
        """A shape with an outline."""
        self.poly(points, outline)
        self.poly(_inset(points, self.outline()), fill)

    def glyph(self, char, x, y, colour, scale=1):
        """A letter with its top left corner at grid point (x, y), on whole pixels;
        `scale` is its pixel size at 32x32."""
        font = SMALL_FONT if self.small() else LARGE_FONT
        left, top = round(self.u(x)), round(self.u(y))
        scale = max(1, math.floor(scale * self.k / 2))
        for row, bits in enumerate(font[char]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    px, py = left + col * scale, top + row * scale
                    self.rect(px, py, px + scale, py + scale, colour)

    def small(self):
        """Below 32x32 the large letters leave no room between them."""
        return self.size < 32

    def _blend(self, x, y, colour, alpha):
        r, g, b, a = self.pixels[y][x]
        out = alpha + a * (1 - alpha)
        mix = [(c * alpha + old * a * (1 - alpha)) / out for c, old in zip(colour, (r, g, b))]
        self.pixels[y][x] = (*mix, out)


def _spans(points, y):
    """The x ranges where the horizontal line at y lies inside the polygon (even-odd)."""
    xs = []
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 <= y < y1) or (y1 <= y < y0):
            xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
    xs.sort()
    return list(zip(xs[0::2], xs[1::2]))


def _inset(points, d):
    """The polygon moved inwards by d on every edge (points run clockwise on screen;
    every edge longer than d)."""
    lines = []
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = -(y1 - y0) / length, (x1 - x0) / length
        lines.append(((x0 + nx * d, y0 + ny * d), (x1 - x0, y1 - y0)))
    result = []
    for (p, r), (q, s) in zip(lines[-1:] + lines[:-1], lines):
        cross = r[0] * s[1] - r[1] * s[0]
        t = ((q[0] - p[0]) * s[1] - (q[1] - p[1]) * s[0]) / cross
        result.append((p[0] + t * r[0], p[1] + t * r[1]))
    return result


# Motifs: each draws on the 16-unit grid.

def page(c, x0, y0, x1, y1, fold=3):
    """A sheet with its top right corner folded."""
    X0, Y0, X1, Y1, F = c.u(x0), c.u(y0), c.u(x1), c.u(y1), c.u(fold)
    c.framed([(X0, Y0), (X1 - F, Y0), (X1, Y0 + F), (X1, Y1), (X0, Y1)], PAPER)
    c.framed([(X1 - F, Y0), (X1, Y0 + F), (X1 - F, Y0 + F)], FOLD)


def text_lines(c, x0, x1, ys, words=False):
    """Lines of writing at the given grid rows; `words` breaks them into words."""
    for i, y in enumerate(ys):
        Y = c.u(y)
        if not words:
            c.rect(c.u(x0), Y, c.u(x1), Y + c.stroke(), TEXT)
            continue
        gaps = [(x0, x0 + 3 + i % 2), (x0 + 4 + i % 2, x1)] if x1 - x0 > 6 else [(x0, x1)]
        for a, b in gaps:
            c.rect(c.u(a), Y, c.u(b), Y + c.stroke(), TEXT)


def stack(c):
    """Two sheets behind a front sheet: several separate files."""
    page(c, 6, 0, 15, 10, 2)
    page(c, 4, 2, 13, 12, 2)
    page(c, 1, 4, 11, 16, 3)


def numbered_files(c):
    stack(c)
    if c.small():
        c.glyph("3", 4, 7, BLUE)
        text_lines(c, 3, 9, [13])
    else:
        c.glyph("3", 3.5, 6.5, BLUE, scale=2)
        text_lines(c, 3, 9, [14])


def first_words_files(c):
    stack(c)
    if c.small():
        # Below the fold, which would otherwise read as the stem of a "d".
        c.glyph("A", 2, 7, RED)
        c.glyph("a", 6, 7, RED)
        text_lines(c, 3, 9, [13])
    else:
        c.glyph("A", 2.5, 6.5, RED)
        c.glyph("a", 6, 6.5, RED)
        text_lines(c, 3, 9.5, [11.5, 13.5], words=True)


def same_file(c):
    page(c, 2, 0, 13, 16, 4)
    text_lines(c, 4, 8, [3])
    text_lines(c, 4, 11, [5, 7, 9])
    # Appended: a green plus at the foot of the sheet, its bars on whole pixels.
    cx = cy = c.u(11.5)
    c.poly(_circle(cx, cy, c.u(3.5) + c.outline()), OUTLINE)
    c.poly(_circle(cx, cy, c.u(3.5)), GREEN)
    arm, width = c.u(2.5), c.stroke()
    bar = math.floor(cx - width / 2 + 0.5)
    c.rect(cx - arm, bar, cx + arm, bar + width, PAPER)
    c.rect(bar, cy - arm, bar + width, cy + arm, PAPER)


def word_folder(c):
    """An open folder with a sheet in it: a file in a folder of its own."""
    c.framed([(c.u(0), c.u(2)), (c.u(5), c.u(2)), (c.u(7), c.u(4)), (c.u(16), c.u(4)),
              (c.u(16), c.u(15)), (c.u(0), c.u(15))], FOLDER_DARK)
    page(c, 4, 1, 14, 12, 3)
    text_lines(c, 6, 10, [4, 6])
    c.framed([(c.u(0), c.u(8)), (c.u(16), c.u(8)), (c.u(16), c.u(15)), (c.u(0), c.u(15))], FOLDER)


def images(c):
    """A landscape picture: sky, sun and hills."""
    c.framed([(c.u(0), c.u(2)), (c.u(16), c.u(2)), (c.u(16), c.u(14)), (c.u(0), c.u(14))], SKY)
    c.poly(_circle(c.u(11.5), c.u(5.5), c.u(1.75)), SUN)
    c.poly([(c.u(1), c.u(13)), (c.u(6), c.u(6)), (c.u(11), c.u(13))], HILL_DARK)
    c.poly([(c.u(5), c.u(13)), (c.u(10), c.u(8)), (c.u(15), c.u(13))], HILL)
    c.rect(c.u(1), c.u(12), c.u(15), c.u(13), HILL)


def program(c):
    """Quillmar: a clipboard holding a sheet, with a quill across it."""
    c.framed([(c.u(1), c.u(2)), (c.u(13), c.u(2)), (c.u(13), c.u(16)), (c.u(1), c.u(16))], BOARD,
             BOARD_DARK)
    page(c, 3, 4, 11, 14, 2)
    text_lines(c, 4, 9, [7, 9, 11])
    c.framed([(c.u(4), c.u(0)), (c.u(10), c.u(0)), (c.u(10), c.u(3)), (c.u(4), c.u(3))], CLIP)
    # The quill: a feather from the lower left reaching up to the right, and its nib.
    c.poly([(c.u(16), c.u(4)), (c.u(13), c.u(6)), (c.u(7), c.u(13.5)), (c.u(8.5), c.u(14.5)),
            (c.u(14.5), c.u(9))], QUILL)
    c.poly([(c.u(7.3), c.u(13.2)), (c.u(8.6), c.u(14.2)), (c.u(5.5), c.u(16))], OUTLINE)


def importer(c):
    """The settings importer: the program's picture with an arrow bringing the old
    settings in from the left."""
    program(c)
    c.framed([(c.u(0), c.u(9)), (c.u(4), c.u(9)), (c.u(4), c.u(6.5)), (c.u(8.5), c.u(11)),
              (c.u(4), c.u(15.5)), (c.u(4), c.u(13)), (c.u(0), c.u(13))], GREEN)


def on_tile(motif):
    """The window's variant: the same motif on a light tile, so the settings window
    reads as the program's while it keeps the method's picture."""
    def draw(c):
        c.framed([(0, 0), (c.size, 0), (c.size, c.size), (0, c.size)], TILE, TILE_EDGE)
        motif(c)
    return draw


def _circle(cx, cy, r, steps=24):
    return [(cx + r * math.cos(2 * math.pi * i / steps), cy + r * math.sin(2 * math.pi * i / steps))
            for i in range(steps)]


# Icon files.

def icon_bytes(draw, sizes):
    images = []
    for size in sizes:
        canvas = Canvas(size)
        draw(canvas)
        images.append((size, _dib(canvas)))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, data = b"", b""
    for size, dib in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(dib), offset + len(data))
        data += dib
    return header + entries + data


def _dib(canvas):
    size = canvas.size
    info = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colours, mask = b"", b""
    stride = (size + 31) // 32 * 4
    for row in reversed(canvas.pixels):
        bits = 0
        for r, g, b, a in row:
            colours += bytes((round(b), round(g), round(r), round(a * 255)))
            bits = (bits << 1) | (a < 1 / 255)
        # The mask's rows start at the left pixel's high bit, whole bytes, whole words.
        row_bytes = (size + 7) // 8
        mask += (bits << (8 * row_bytes - size)).to_bytes(row_bytes, "big").ljust(stride, b"\0")
    return info + colours + mask


TRAY_SIZES = (16, 20, 24, 32, 40, 48)
PROGRAM_SIZES = TRAY_SIZES + (256,)
ICONS = {
    "Icons/gleichedatei.ico": (same_file, TRAY_SIZES),
    "Icons/gleichedat.ico": (on_tile(same_file), TRAY_SIZES),
    "Icons/extradatei.ico": (numbered_files, TRAY_SIZES),
    "Icons/extradat.ico": (on_tile(numbered_files), TRAY_SIZES),
    "Icons/extradateiw.ico": (first_words_files, TRAY_SIZES),
    "Icons/extradatw.ico": (on_tile(first_words_files), TRAY_SIZES),
    "Icons/dateiundordner.ico": (word_folder, TRAY_SIZES),
    "Icons/dateiundordner2.ico": (on_tile(word_folder), TRAY_SIZES),
    "Icons/bilder.ico": (images, TRAY_SIZES),
    "Icons/bild.ico": (on_tile(images), TRAY_SIZES),
    "quillmar.ico": (program, PROGRAM_SIZES),
    "einstellungen.ico": (importer, PROGRAM_SIZES),
}


def main():
    for name, (draw, sizes) in ICONS.items():
        path = ASSETS / name
        path.parent.mkdir(exist_ok=True)
        path.write_bytes(icon_bytes(draw, sizes))
        print(path.relative_to(ASSETS))


if __name__ == "__main__":
    main()
