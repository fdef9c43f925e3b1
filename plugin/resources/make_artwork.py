#!/usr/bin/env python3
"""Draws the module's sixteen tool icons and its cursor, and writes them, with
the plug-in property list, as the binary files that kavro.rc compiles.

The files are committed, so a build never runs this script. Run it after
changing a picture:

    python3 plugin/resources/make_artwork.py            # rewrite the files
    python3 plugin/resources/make_artwork.py --check    # fail if any is stale
    python3 plugin/resources/make_artwork.py --preview sheet.png

Standard library only. Pictures are drawn on a 32 x 32 grid of palette
indices in image coordinates (x to the right, y down); None is transparent.
"""

import argparse
import math
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
ARTWORK = HERE / "artwork"
PIPL_FILE = HERE / "pipl.bin"

SIZE = 32

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, GRAY, BLUE, WHITE = 0, 4, 8, 12, 15

# Colour pair of a placed symbol instance: rim and fill.
INSTANCE = (BLACK, BLUE)


class Canvas:
    def __init__(self):
        self.pixels = [[None] * SIZE for _ in range(SIZE)]

    def put(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def disc(self, cx, cy, radius, colour):
        """Fills every pixel whose centre lies within `radius` of (cx, cy)."""
        for y in range(SIZE):
            for x in range(SIZE):
                if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius:
                    self.put(x, y, colour)

    def circle(self, cx, cy, radius, colour, thickness=1.0):
        for y in range(SIZE):
            for x in range(SIZE):
                if abs(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - radius) <= thickness / 2:
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(1, int(math.ceil(4 * math.hypot(x1 - x0, y1 - y0))))
        for i in range(steps + 1):
            t = i / steps
            self.put(int(math.floor(x0 + (x1 - x0) * t)),
                     int(math.floor(y0 + (y1 - y0) * t)), colour)

    def polyline(self, points, colour):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, colour)

    def box(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0 <= x < x1, y0 <= y < y1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def instance(self, cx, cy, radius):
        """One placed symbol: a filled dot with a dark rim."""
        rim, fill = INSTANCE
        self.disc(cx, cy, radius, rim)
        if radius > 1.6:
            self.disc(cx, cy, radius - 1, fill)


# --- the sixteen tools, in tool order --------------------------------------

def draw_duplicate(c):
    for y in (7, 16, 25):
        for x in (7, 16, 25):
            c.instance(x, y, 3.4)


def draw_drag(c):
    for i in range(5):
        c.instance(5.5 + 5.25 * i, 26.5 - 5.25 * i, 3.0)


def draw_sawtooth(c):
    teeth = [(2, 25), (9, 7), (16, 25), (23, 7), (30, 25)]
    for dy in (0, 1):
        c.polyline([(x, y + dy) for x, y in teeth], NAVY)
    for x, y in teeth:
        c.instance(x + 0.5, y + 1, 2.9)


def draw_framed(c):
    cells = (5, 12.3, 19.7, 27)
    for j, y in enumerate(cells):
        for i, x in enumerate(cells):
            if i in (0, 3) or j in (0, 3):
                c.instance(x, y, 2.8)


def draw_random(c):
    for x, y, r in [(7, 7, 3.6), (20, 5, 2.0), (26.5, 13, 3.0), (13.5, 15, 2.2),
                    (5, 22, 2.0), (18.5, 25.5, 3.8), (28, 27.5, 1.6), (14, 7.5, 1.4),
                    (23, 18.5, 1.5), (9, 28.5, 1.5)]:
        c.instance(x, y, r)


def draw_circular(c):
    c.circle(16, 16, 11.5, NAVY, 2.2)
    c.line(16, 16, 24.1, 7.9, GRAY)
    c.disc(16, 16, 1.5, BLACK)
    c.instance(24.1, 7.9, 2.6)


def draw_scaledown(c):
    for x, y, r in [(6, 22, 4.6), (14.5, 17.5, 3.5), (21, 14, 2.6), (26, 11.3, 1.9),
                    (29.6, 9.4, 1.2)]:
        c.instance(x, y, r)


def draw_bounce(c):
    # A ball that bounces along the floor, losing height and gaining it back.
    floor = 28
    hops = [(1, 11, 14), (11, 19, 7), (19, 31, 17)]
    for x0, x1, height in hops:
        points = []
        for i in range(25):
            t = i / 24
            points.append((x0 + (x1 - x0) * t, floor - 4 * height * t * (1 - t)))
        c.polyline(points, GRAY)
    for x, r in [(11, 2.4), (19, 1.8)]:
        c.instance(x + 0.5, floor - 1.5, r)
    c.instance(6.5, floor - 13.5, 3.2)
    c.instance(25.5, floor - 16.5, 3.6)


def draw_spiral(c):
    turns = 2.2
    points = []
    for i in range(200):
        t = i / 199
        angle = 2 * math.pi * turns * t
        radius = 14 * (1 - t) + 1
        points.append((16 + radius * math.cos(angle), 16 + radius * math.sin(angle)))
    c.polyline(points, GRAY)
    for i in range(0, 200, 22):
        x, y = points[i]
        c.instance(x, y, 3.2 * (1 - i / 250))


def draw_checkerboard(c):
    for j in range(4):
        for i in range(4):
            if (i + j) % 2 == 0:
                c.box(2 + 7 * i, 2 + 7 * j, 9 + 7 * i, 9 + 7 * j, NAVY)
    for k in (1, 30):
        c.line(1, k, 30, k, BLACK)
        c.line(k, 1, k, 30, BLACK)


def draw_painter(c):
    # One brush stroke, widest where it starts and thinning out.
    path = []
    for i in range(60):
        t = i / 59
        path.append((4 + 24 * t, 16 + 9 * math.sin(2 * math.pi * t) * (1 - 0.3 * t),
                     4.2 * (1 - t) + 0.8))
    rim, fill = INSTANCE
    for x, y, r in path:
        c.disc(x, y, r, rim)
    for x, y, r in path:
        c.disc(x, y, r - 1, fill)


def draw_starburst(c):
    for k in range(8):
        angle = k * math.pi / 4
        length = 14 if k % 2 == 0 else 10.5
        c.line(16, 16, 16 + length * math.cos(angle), 16 + length * math.sin(angle), BLACK)
    for k in range(8):
        angle = k * math.pi / 4
        length = 12.5 if k % 2 == 0 else 9
        c.instance(16 + length * math.cos(angle), 16 + length * math.sin(angle), 2.2)
    c.instance(16, 16, 2.8)


def draw_singleshot(c):
    c.instance(16, 16, 8.0)
    c.disc(13.5, 13.5, 2.0, WHITE)


def draw_cross(c):
    c.instance(16, 16, 3.2)
    for d in (7, 13):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            c.instance(16 + dx * d, 16 + dy * d, 3.0 if d == 7 else 2.3)


def draw_diagonal(c):
    c.instance(16, 16, 3.2)
    for d in (5.5, 10.5):
        for dx, dy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
            c.instance(16 + dx * d, 16 + dy * d, 3.0 if d < 6 else 2.4)


def draw_ring(c):
    for k in range(8):
        angle = k * math.pi / 4
        c.instance(16 + 11.5 * math.cos(angle), 16 + 11.5 * math.sin(angle), 2.9)


TOOLS = [
    ("duplicate", draw_duplicate), ("drag", draw_drag), ("sawtooth", draw_sawtooth),
    ("framed", draw_framed), ("random", draw_random), ("circular", draw_circular),
    ("scaledown", draw_scaledown), ("bounce", draw_bounce), ("spiral", draw_spiral),
    ("checkerboard", draw_checkerboard), ("painter", draw_painter),
    ("starburst", draw_starburst), ("singleshot", draw_singleshot), ("cross", draw_cross),
    ("diagonal", draw_diagonal), ("ring", draw_ring),
]

# --- the cursor ------------------------------------------------------------

HOT_SPOT = (16, 15)


def draw_cursor(c):
    """A crosshair around the hot spot, black with a white edge so that it
    shows on any background, and a small ring: the symbol about to land."""
    hx, hy = HOT_SPOT
    arms = [((hx, 0), (hx, hy - 3)), ((hx, hy + 3), (hx, 30)),
            ((1, hy), (hx - 3, hy)), ((hx + 3, hy), (31, hy))]
    for (x0, y0), (x1, y1) in arms:
        c.box(min(x0, x1) - 1, min(y0, y1) - 1, max(x0, x1) + 2, max(y0, y1) + 2, WHITE)
    for (x0, y0), (x1, y1) in arms:
        c.line(x0, y0, x1, y1, BLACK)
    c.box(hx - 1, hy - 1, hx + 2, hy + 2, WHITE)
    c.put(hx, hy, BLACK)
    c.circle(25.5, 24.5, 3.5, WHITE, 3.0)
    c.circle(25.5, 24.5, 3.5, BLACK, 1.2)


# --- file formats ----------------------------------------------------------

def bitmap_header(bits_per_pixel, image_bytes):
    """The image header of one icon or cursor image: twice the height, as the
    colour image and the mask are stacked."""
    return struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, bits_per_pixel, 0,
                       image_bytes, 0, 0, 0, 0)


def mask_rows(canvas):
    """The transparency mask, bottom row first, one bit a pixel (1 = clear)."""
    out = bytearray()
    for row in reversed(canvas.pixels):
        bits = 0
        for x, colour in enumerate(row):
            if colour is None:
                bits |= 1 << (31 - x)
        out += struct.pack(">I", bits)
    return bytes(out)


def icon_image(canvas):
    """A 16-colour image: header, palette, 4-bit pixels, mask (744 bytes)."""
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    pixels = bytearray()
    for row in reversed(canvas.pixels):
        for x in range(0, SIZE, 2):
            left, right = (row[x] or 0), (row[x + 1] or 0)
            pixels.append(left << 4 | right)
    mask = mask_rows(canvas)
    return bitmap_header(4, len(pixels) + len(mask)) + palette + bytes(pixels) + mask


def cursor_image(canvas):
    """A 1-bit image: black where the canvas is black, white where white."""
    palette = struct.pack("BBBB", 0, 0, 0, 0) + struct.pack("BBBB", 255, 255, 255, 0)
    pixels = bytearray()
    for row in reversed(canvas.pixels):
        bits = 0
        for x, colour in enumerate(row):
            if colour == WHITE:
                bits |= 1 << (31 - x)
        pixels += struct.pack(">I", bits)
    mask = mask_rows(canvas)
    return bitmap_header(1, len(pixels) + len(mask)) + palette + bytes(pixels) + mask


def icon_file(canvas):
    image = icon_image(canvas)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def cursor_file(canvas):
    image = cursor_image(canvas)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image),
                        6 + 16)
    return directory + entry + image


def four_cc(text):
    """A four-character code: first character in the most significant byte,
    stored little-endian like every other number of the list."""
    return struct.pack("<I", int.from_bytes(text.encode("ascii"), "big"))


def pipl_property(key, data):
    padded = data + b"\0" * (-len(data) % 4)
    return four_cc("ADBE") + four_cc(key) + struct.pack("<iI", 0, len(data)) + padded


def pipl():
    """The plug-in property list: kind, interface version, entry point name."""
    properties = [
        pipl_property("kind", four_cc("SPEA")),
        pipl_property("ivrs", struct.pack("<I", 2)),
        pipl_property("wx86", b"PluginMain\0\0"),
    ]
    header = struct.pack("<HII", 1, 0, len(properties))
    return header + b"".join(properties) + b"\0"


def outputs():
    """Every file this script owns, as {path: bytes}."""
    files = {}
    for name, draw in TOOLS:
        canvas = Canvas()
        draw(canvas)
        files[ARTWORK / f"{name}.ico"] = icon_file(canvas)
    cursor = Canvas()
    draw_cursor(cursor)
    files[ARTWORK / "crosshair.cur"] = cursor_file(cursor)
    files[PIPL_FILE] = pipl()
    return files


# --- preview ---------------------------------------------------------------

def png(width, height, rgb_rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + bytes(row) for row in rgb_rows)
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def preview(path, zoom=6, gap=8):
    """A contact sheet of the sixteen icons and the cursor on a light
    checkered background (where a picture is transparent)."""
    canvases = []
    for _, draw in TOOLS:
        canvases.append(Canvas())
        draw(canvases[-1])
    canvases.append(Canvas())
    draw_cursor(canvases[-1])
    columns = 6
    rows = (len(canvases) + columns - 1) // columns
    cell = SIZE * zoom + gap
    width, height = columns * cell + gap, rows * cell + gap
    image = [[200, 200, 200] * width for _ in range(height)]
    for n, canvas in enumerate(canvases):
        left, top = gap + (n % columns) * cell, gap + (n // columns) * cell
        for y in range(SIZE * zoom):
            for x in range(SIZE * zoom):
                colour = canvas.pixels[y // zoom][x // zoom]
                if colour is None:
                    shade = 255 if ((x // 8) + (y // 8)) % 2 else 232
                    rgb = (shade, shade, shade)
                else:
                    rgb = PALETTE[colour]
                image[top + y][3 * (left + x):3 * (left + x) + 3] = rgb
    Path(path).write_bytes(png(width, height, image))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="compare the committed files with what would be written")
    parser.add_argument("--preview", metavar="PNG", help="also write a contact sheet")
    args = parser.parse_args()

    files = outputs()
    if args.check:
        stale = [p for p, data in files.items() if not p.exists() or p.read_bytes() != data]
        for path in stale:
            print(f"make_artwork: {path.relative_to(HERE)} is out of date", file=sys.stderr)
        if not stale:
            print(f"make_artwork: all {len(files)} files are up to date")
        return 1 if stale else 0
    ARTWORK.mkdir(exist_ok=True)
    for path, data in files.items():
        path.write_bytes(data)
    if args.preview:
        preview(args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
