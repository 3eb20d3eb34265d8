#!/usr/bin/env python3
"""Draws every picture the Wuziqi program carries and writes them under resources/.

Run from anywhere (only the Python 3 standard library is needed):

    python3 tools/make_pictures.py                    # rewrite the pictures in resources/
    python3 tools/make_pictures.py --preview /tmp/p   # also write enlarged contact sheets there

The output is deterministic: running it twice gives byte-identical files. The pictures are
committed, so the build never runs this script; run it again after changing a drawing below.

What it draws:
  resources/board/qipan.png            200 x 199 wood texture for the board (no lines on it)
  resources/board/whitechess.png       41 x 41 stones on pure black, which the board view
  resources/board/Blackchess.png       draws as transparent
  resources/icons/*.png                16 x 16 toolbar and menu images with alpha, and the
                                       program icon in 32, 64, 128 and 256 pixels
  resources/glyphs/*.png               the 50 glyphs of the gradient button's predefined
                                       kinds: 16-colour pixel art on a magenta background

The board, the stones, the toolbar images and the glyphs are also drawn at two and three
times the size for high-density screens, as name@2x.png and name@3x.png beside each picture:
the same drawing sampled finer, not an enlargement (see drawing_scale below).
"""

import argparse
import contextlib
import math
import os
import struct
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
RESOURCES = os.path.join(ROOT, "resources")


# ---------------------------------------------------------------------------------------------
# PNG output


def write_png(path, width, height, rows, alpha):
    """rows: list of rows, each a list of (r, g, b) or (r, g, b, a) tuples of ints 0..255."""
    colour_type = 6 if alpha else 2
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type None: keeps the file simple and deterministic
        for px in row:
            raw.extend(px[:4] if alpha else px[:3])

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(png)


def clamp8(v):
    return max(0, min(255, int(round(v))))


# ---------------------------------------------------------------------------------------------
# Drawing scale. Every drawing below is written in the pixels of its 1x picture. Inside
# drawing_scale(s), grids, masks, canvases, the wood and the stones are made s times larger and
# sample the same shapes at the centres of their smaller pixels, so a 2x picture is the same
# drawing at twice the resolution. At scale 1 every sample falls on the 1x pixel itself.

SCALES = (2, 3)
_scale = 1


@contextlib.contextmanager
def drawing_scale(s):
    global _scale
    outer, _scale = _scale, s
    try:
        yield
    finally:
        _scale = outer


def picture_coordinate(v, s):
    """Where the centre of pixel v of a picture drawn at scale s lies in 1x pixels."""
    return (v + 0.5) / s - 0.5


def picture_pixel(v):
    """The 1x pixel that pixel v of the current scale lies in."""
    return v // _scale


# ---------------------------------------------------------------------------------------------
# Deterministic noise for the wood


def _hash01(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return (h & 0xFFFFFF) / float(0x1000000)


def value_noise(x, y, seed):
    ix, iy = math.floor(x), math.floor(y)
    fx, fy = x - ix, y - iy
    sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
    a = _hash01(ix, iy, seed)
    b = _hash01(ix + 1, iy, seed)
    c = _hash01(ix, iy + 1, seed)
    d = _hash01(ix + 1, iy + 1, seed)
    top = a + (b - a) * sx
    bottom = c + (d - c) * sx
    return top + (bottom - top) * sy


def fbm(x, y, seed, octaves=4):
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        total += amp * value_noise(x, y, seed + o * 101)
        norm += amp
        amp *= 0.5
        x *= 2.0
        y *= 2.0
    return total / norm


LIGHT_WOOD = (236, 196, 136)
DARK_WOOD = (205, 152, 88)


def wood_colour(x, y):
    """Warm, light wood with soft vertical grain; x, y in texture pixels (200 x 199)."""
    # Grain lines run top to bottom and wander a little sideways.
    wander = 14.0 * fbm(x / 60.0, y / 90.0, 7) + 4.0 * fbm(x / 20.0, y / 160.0, 19)
    u = x + wander
    rings = 0.5 + 0.5 * math.sin(u * 0.21 + 2.5 * fbm(u / 30.0, y / 200.0, 3))
    rings = rings ** 3  # narrow dark late-wood lines, wide light early wood
    fibre = fbm(x / 2.0, y / 24.0, 41, 3)  # fine streaks along the grain
    blotch = fbm(x / 50.0, y / 50.0, 77, 3)
    t = 0.55 * rings + 0.25 * fibre + 0.2 * blotch
    t = max(0.0, min(1.0, (t - 0.2) * 1.1))
    return tuple(LIGHT_WOOD[i] + (DARK_WOOD[i] - LIGHT_WOOD[i]) * t for i in range(3))


def draw_wood():
    s = _scale
    w, h = 200 * s, 199 * s
    return [[tuple(clamp8(c) for c in wood_colour(picture_coordinate(x, s),
                                                   picture_coordinate(y, s)))
             for x in range(w)] for y in range(h)]


# ---------------------------------------------------------------------------------------------
# Stones: shaded discs on pure black, with crisp edges (black is the transparent colour)

LIGHT_DIR = (-0.45, -0.55, 0.70)


def _normalise(v):
    n = math.sqrt(sum(c * c for c in v))
    return tuple(c / n for c in v)


def stone_shade(dx, dy, white):
    """Colour of a stone at offset (dx, dy) from its centre, both in units of its radius."""
    r2 = dx * dx + dy * dy
    nz = math.sqrt(max(0.0, 1.0 - r2)) * 0.8 + 0.2  # a flattened dome, like a real stone
    n = _normalise((dx, dy, nz))
    light = _normalise(LIGHT_DIR)
    diffuse = max(0.0, sum(a * b for a, b in zip(n, light)))
    half = _normalise((light[0], light[1], light[2] + 1.0))
    specular = max(0.0, sum(a * b for a, b in zip(n, half))) ** 40
    if white:
        base = 150 + 105 * diffuse ** 0.8
        colour = (base + 4, base + 4, base)  # a touch warm, like shell
        colour = tuple(c + 60 * specular for c in colour)
        return tuple(max(1, clamp8(c)) for c in colour)
    base = 14 + 52 * diffuse ** 2.2
    colour = (base, base, base + 3)
    colour = tuple(c + 175 * specular for c in colour)
    return tuple(max(8, clamp8(c)) for c in colour)


def draw_stone(white, size=41):
    s = _scale
    centre = (size - 1) / 2.0
    radius = size / 2.0 - 0.6
    rows = []
    for y in range(size * s):
        row = []
        for x in range(size * s):
            dx = (picture_coordinate(x, s) - centre) / radius
            dy = (picture_coordinate(y, s) - centre) / radius
            if dx * dx + dy * dy <= 1.0:
                row.append(stone_shade(dx, dy, white))
            else:
                row.append((0, 0, 0))
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------------------------
# Anti-aliased vector drawing on an RGBA canvas (toolbar images and the program icon)

SUPER = 4  # samples per pixel along each axis


class Canvas:
    """w x h pixels of the 1x picture, w * s x h * s at drawing scale s."""

    def __init__(self, w, h):
        self.s = _scale
        self.w, self.h = w * self.s, h * self.s
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(self.w)] for _ in range(self.h)]

    def fill(self, shape, colour):
        """shape: (inside(x, y) -> bool, bbox); colour: (r, g, b[, a]) or f(x, y) -> rgba.
        Both in 1x pixels."""
        inside, (x0, y0, x1, y1) = shape
        s = self.s
        for py in range(max(0, int(math.floor(y0 * s))), min(self.h, int(math.ceil(y1 * s)) + 1)):
            for px in range(max(0, int(math.floor(x0 * s))),
                            min(self.w, int(math.ceil(x1 * s)) + 1)):
                hits = 0
                for sy in range(SUPER):
                    for sx in range(SUPER):
                        if inside((px + (sx + 0.5) / SUPER) / s, (py + (sy + 0.5) / SUPER) / s):
                            hits += 1
                if hits:
                    c = colour((px + 0.5) / s, (py + 0.5) / s) if callable(colour) else colour
                    a = (c[3] / 255.0 if len(c) > 3 else 1.0) * hits / (SUPER * SUPER)
                    self._blend(px, py, c, a)

    def _blend(self, x, y, c, a):
        r, g, b, da = self.px[y][x]
        out_a = a + da * (1 - a)
        if out_a <= 0:
            return
        mix = [(c[i] * a + (r, g, b)[i] * da * (1 - a)) / out_a for i in range(3)]
        self.px[y][x] = (mix[0], mix[1], mix[2], out_a)

    def rows(self):
        return [[(clamp8(r), clamp8(g), clamp8(b), clamp8(a * 255)) for r, g, b, a in row]
                for row in self.px]


def rect(x0, y0, x1, y1):
    return (lambda x, y: x0 <= x <= x1 and y0 <= y <= y1), (x0, y0, x1, y1)


def round_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside, (x0, y0, x1, y1)


def circle(cx, cy, r):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r), (cx - r, cy - r, cx + r, cy + r)


def _seg_dist2(x, y, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = ((x - ax) * vx + (y - ay) * vy) / float(vx * vx + vy * vy or 1)
    t = max(0.0, min(1.0, t))
    return (x - ax - t * vx) ** 2 + (y - ay - t * vy) ** 2


def polyline(points, width, closed=False):
    """A stroke of the given width through the points, with round joins and ends."""
    segs = list(zip(points, points[1:] + points[:1] if closed else points[1:]))
    r2 = (width / 2.0) ** 2
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    pad = width / 2.0

    def inside(x, y):
        return any(_seg_dist2(x, y, a[0], a[1], b[0], b[1]) <= r2 for a, b in segs)

    return inside, (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad)


def polygon(points):
    n = len(points)

    def inside(x, y):
        c = False
        j = n - 1
        for i in range(n):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                c = not c
            j = i
        return c

    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return inside, (min(xs), min(ys), max(xs), max(ys))


def union(*shapes):
    boxes = [s[1] for s in shapes]
    return (lambda x, y: any(s[0](x, y) for s in shapes)), (
        min(b[0] for b in boxes), min(b[1] for b in boxes),
        max(b[2] for b in boxes), max(b[3] for b in boxes))


def vertical_gradient(top, bottom, y0, y1):
    def colour(x, y):
        t = max(0.0, min(1.0, (y - y0) / float(y1 - y0)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(len(top)))

    return colour


def outlined(canvas, shape_outer, shape_inner, line, fill):
    """Fills the outer shape with the line colour, then the inner one with the fill."""
    canvas.fill(shape_outer, line)
    canvas.fill(shape_inner, fill)


# --- the 16 x 16 toolbar and menu images ------------------------------------------------------

INK = (60, 60, 70)


def icon_new():
    c = Canvas(16, 16)
    line = (110, 110, 120)
    page = [(2, 1), (10, 1), (14, 5), (14, 15), (2, 15)]
    inner = [(3, 2), (9.6, 2), (13, 5.4), (13, 14), (3, 14)]
    outlined(c, polygon(page), polygon(inner), line, vertical_gradient(
        (255, 255, 255), (226, 230, 238), 2, 14))
    c.fill(polygon([(9, 1), (10, 1), (10, 5), (14, 5), (14, 6), (9, 6)]), line)  # folded corner
    c.fill(polygon([(10, 2.4), (10, 5), (12.6, 5)]), (215, 218, 226))
    return c


def icon_open():
    c = Canvas(16, 16)
    brown = (150, 100, 30)
    back = union(round_rect(1, 3, 6.5, 6, 1), rect(1, 4.5, 13.5, 14))
    outlined(c, back, union(round_rect(2, 4, 5.5, 6, 0.5), rect(2, 5.5, 12.5, 13)), brown,
             (225, 175, 70))
    flap = [(3.5, 7), (15.5, 7), (13, 14), (1, 14)]
    flap_in = [(4.2, 8), (14.1, 8), (12.3, 13), (2.4, 13)]
    outlined(c, polygon(flap), polygon(flap_in), brown,
             vertical_gradient((255, 226, 120), (245, 196, 80), 8, 13))
    return c


def icon_save():
    c = Canvas(16, 16)
    body = round_rect(1, 1, 15, 15, 1.5)
    outlined(c, body, round_rect(2, 2, 14, 14, 1), (30, 50, 110),
             vertical_gradient((80, 120, 200), (50, 85, 170), 2, 14))
    c.fill(rect(4, 1.5, 12, 7), (30, 50, 110))  # the label
    c.fill(rect(5, 2, 11, 6.2), (250, 250, 252))
    c.fill(rect(5.8, 3.2, 10.2, 3.8), (170, 180, 200))
    c.fill(rect(5.8, 4.6, 10.2, 5.2), (170, 180, 200))
    c.fill(rect(5, 10, 12, 15), (30, 50, 110))  # the metal shutter
    c.fill(rect(6, 11, 11, 14.5), vertical_gradient((170, 176, 188), (130, 136, 150), 11, 14))
    c.fill(rect(9, 12, 10, 14), (30, 40, 60))
    return c


def icon_exit():
    c = Canvas(16, 16)
    frame = (110, 70, 30)
    outlined(c, rect(8, 1, 16, 16), rect(9, 2, 15, 16), frame, (40, 30, 25))  # dark doorway
    c.fill(polygon([(15, 2), (12, 3.5), (12, 16), (15, 16)]), (190, 130, 60))  # the open door
    c.fill(circle(12.9, 9.5, 0.6), (250, 220, 120))
    person = (20, 120, 60)  # walking out to the left
    c.fill(circle(4.5, 2.5, 1.7), person)
    c.fill(rect(3, 4.6, 5.6, 9.6), person)
    limbs = [[(3.6, 9), (1.5, 11.5), (1.5, 14.5)], [(4.8, 9), (6, 11.5), (7.5, 14.5)],
             [(3.6, 5.6), (1.5, 8.5)], [(5, 5.6), (7.5, 7.8)]]
    for limb in limbs:
        c.fill(polyline(limb, 1.5), person)
    return c


def _arrow_points(left):
    pts = [(1.5, 8), (8, 1.5), (8, 5), (14.5, 5), (14.5, 11), (8, 11), (8, 14.5)]
    return pts if left else [(16 - x, y) for x, y in pts]


def _arrow_inner(left):
    pts = [(2.9, 8), (7, 3.9), (7, 6), (13.5, 6), (13.5, 10), (7, 10), (7, 12.1)]
    return pts if left else [(16 - x, y) for x, y in pts]


def icon_arrow(left):
    c = Canvas(16, 16)
    outlined(c, polygon(_arrow_points(left)), polygon(_arrow_inner(left)), (25, 80, 40),
             vertical_gradient((120, 210, 110), (40, 150, 60), 2, 14))
    return c


def icon_mode():
    c = Canvas(16, 16)
    outlined(c, round_rect(1, 1.5, 15, 11.5, 1), rect(2.5, 3, 13.5, 10), (50, 55, 65),
             vertical_gradient((90, 170, 235), (30, 90, 180), 3, 10))
    c.fill(polygon([(3, 3.5), (8, 3.5), (3, 7.5)]), (255, 255, 255, 70))  # glare
    c.fill(rect(6.5, 11.5, 9.5, 13.2), (90, 95, 105))
    c.fill(round_rect(4, 13, 12, 15, 0.8), (50, 55, 65))
    return c


# --- the program icon: a small board with five stones in a row --------------------------------


def program_icon(size):
    c = Canvas(size, size)
    s = size / 32.0
    lines = 5 if size <= 32 else 8
    margin = 1.0 * s
    corner = 3.0 * s
    edge = (120, 75, 30)
    c.fill(round_rect(margin, margin, size - margin, size - margin, corner), edge)
    inset = margin + max(1.0, 1.2 * s)
    scale = 200.0 / size
    c.fill(round_rect(inset, inset, size - inset, size - inset, corner * 0.7),
           lambda x, y: wood_colour(x * scale, y * scale * 0.995))
    # Whole-pixel grid spacing and line widths keep the grid crisp at every size.
    width = max(1, int(round(0.55 * s)))
    step = int((size - 2 * (inset + (3.2 if lines == 5 else 2.2) * s)) // (lines - 1))
    lo = (size - step * (lines - 1)) // 2 + (0.5 if width % 2 else 0.0)
    hi = lo + step * (lines - 1)
    ink = (70, 45, 20)
    for k in range(lines):
        p = lo + k * step
        c.fill(rect(p - width / 2, lo - width / 2, p + width / 2, hi + width / 2), ink)
        c.fill(rect(lo - width / 2, p - width / 2, hi + width / 2, p + width / 2), ink)
    radius = step * 0.47

    def stone(i, j, white):
        cx, cy = lo + i * step, lo + j * step
        c.fill(circle(cx + 0.06 * step, cy + 0.1 * step, radius), (40, 25, 10, 90))  # shadow
        c.fill(circle(cx, cy, radius),
               lambda x, y: stone_shade((x - cx) / radius, (y - cy) / radius, white) + (255,))

    if lines == 5:
        whites = [(1, 1), (3, 3), (2, 1)]
        blacks = [(i, 4 - i) for i in range(5)]
    else:
        whites = [(2, 2), (3, 3), (5, 5), (2, 4), (6, 2)]
        blacks = [(1 + i, 6 - i) for i in range(5)]
    for i, j in whites:
        stone(i, j, True)
    for i, j in blacks:
        stone(i, j, False)
    if size >= 64:  # mark the winning row
        (i0, j0), (i1, j1) = blacks[0], blacks[-1]
        c.fill(polyline([(lo + i0 * step, lo + j0 * step), (lo + i1 * step, lo + j1 * step)],
                        max(1.5, 0.7 * s)), (220, 30, 30, 190))
    return c


# ---------------------------------------------------------------------------------------------
# Button glyphs: 16-colour pixel art. '.' is the background, which the button draws transparent
# (it takes the bottom-left pixel as the transparent colour); black outlines make the embossed
# silhouette of a disabled one-cell glyph.

PALETTE = {
    ".": (255, 0, 255),
    "K": (0, 0, 0),
    "W": (255, 255, 255),
    "S": (192, 192, 192),
    "G": (128, 128, 128),
    "R": (255, 0, 0),
    "r": (128, 0, 0),
    "Y": (255, 255, 0),
    "y": (128, 128, 0),
    "L": (0, 255, 0),
    "g": (0, 128, 0),
    "B": (0, 0, 255),
    "b": (0, 0, 128),
    "C": (0, 255, 255),
    "c": (0, 128, 128),
    "P": (128, 0, 128),
}


def upscale_art(art, s):
    """Hand-drawn pixel art at s times its size: Scale2x for 2, Scale3x for 3 (the AdvanceMAME
    enlargers), which round diagonal steps off without making new colours. Around the art is
    background."""
    if s == 1:
        return [list(line) for line in art]
    h, w = len(art), len(art[0])

    def at(x, y):
        return art[y][x] if 0 <= x < w and 0 <= y < h else "."

    out = [[None] * (w * s) for _ in range(h * s)]
    for y in range(h):
        for x in range(w):
            a, b, c = at(x - 1, y - 1), at(x, y - 1), at(x + 1, y - 1)
            d, e, f = at(x - 1, y), at(x, y), at(x + 1, y)
            g, hh, i = at(x - 1, y + 1), at(x, y + 1), at(x + 1, y + 1)
            if s == 2:
                block = [[e, e], [e, e]]
                if b != hh and d != f:
                    block = [[d if d == b else e, f if b == f else e],
                             [d if d == hh else e, f if hh == f else e]]
            else:
                block = [[e] * 3 for _ in range(3)]
                if b != hh and d != f:
                    block = [
                        [d if d == b else e,
                         b if (d == b and e != c) or (b == f and e != a) else e,
                         f if b == f else e],
                        [d if (d == b and e != g) or (d == hh and e != a) else e,
                         e,
                         f if (b == f and e != i) or (hh == f and e != c) else e],
                        [d if d == hh else e,
                         hh if (d == hh and e != i) or (hh == f and e != g) else e,
                         f if hh == f else e]]
            for dy in range(s):
                out[y * s + dy][x * s:x * s + s] = block[dy]
    return out


class Grid:
    """A w x h picture of palette letters; at drawing scale s its cells are w * s x h * s."""

    def __init__(self, w=16, h=16):
        self.w, self.h, self.s = w, h, _scale
        self.cells = [["."] * (w * self.s) for _ in range(h * self.s)]

    def _put_cell(self, x, y, ch):
        if 0 <= x < len(self.cells[0]) and 0 <= y < len(self.cells):
            self.cells[y][x] = ch

    def blit(self, art, ox=0, oy=0, recolour=None):
        """Hand-drawn art placed at 1x pixel (ox, oy); enlarged by Scale2x or Scale3x."""
        s = self.s
        for y, line in enumerate(upscale_art(art, s)):
            for x, ch in enumerate(line):
                if ch != ".":
                    self._put_cell(x + ox * s, y + oy * s, (recolour or {}).get(ch, ch))
        return self

    def put(self, x, y, ch):
        """Sets 1x pixel (x, y): s x s cells."""
        for dy in range(self.s):
            for dx in range(self.s):
                self._put_cell(x * self.s + dx, y * self.s + dy, ch)

    def paint(self, mask, fill, outline="K"):
        """Fills a set of (x, y) cells and rings its edge (cells within one 1x pixel of the
        outside) in black."""
        steps = [(d * dx, d * dy) for d in range(1, self.s + 1)
                 for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))]
        for x, y in mask:
            edge = any((x + dx, y + dy) not in mask for dx, dy in steps)
            self._put_cell(x, y, outline if (edge and outline) else fill)
        return self

    def rgb_rows(self):
        return [[PALETTE[ch] for ch in row] for row in self.cells]


def check_art(name, art, w=16, h=16):
    assert len(art) == h, "%s: %d rows" % (name, len(art))
    for i, line in enumerate(art):
        assert len(line) == w, "%s row %d: %d columns" % (name, i, len(line))
        assert all(ch in PALETTE for ch in line), "%s row %d: unknown letter" % (name, i)


def art(text, w=None, h=None):
    lines = text.strip().split()
    check_art(lines[0], lines, w or len(lines[0]), h or len(lines))
    return lines


def m_cells(test, x0=0, y0=0, x1=15, y1=15):
    """The cells of 1x pixels x0..x1, y0..y1 whose centres pass the test (in 1x pixels)."""
    s = _scale
    return {(x, y) for y in range(y0 * s, (y1 + 1) * s) for x in range(x0 * s, (x1 + 1) * s)
            if test(picture_coordinate(x, s), picture_coordinate(y, s))}


def m_disc(cx, cy, r):
    return m_cells(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r)


def m_ellipse(cx, cy, rx, ry):
    return m_cells(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0)


def m_rect(x0, y0, x1, y1):
    return m_cells(lambda x, y: True, x0, y0, x1, y1)


def m_line(points, width):
    r2 = (width / 2.0) ** 2
    segs = list(zip(points, points[1:]))
    return m_cells(lambda x, y: any(_seg_dist2(x, y, a[0], a[1], b[0], b[1]) <= r2
                                    for a, b in segs))


def m_poly(points):
    inside = polygon(points)[0]
    return m_cells(lambda x, y: inside(x, y))


def m_sector(cx, cy, a0, a1):
    """Cells whose direction from (cx, cy) lies between the angles a0..a1 (degrees, y down)."""
    def test(x, y):
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return (a0 % 360 <= a <= a1 % 360) if a0 % 360 <= a1 % 360 else (
            a >= a0 % 360 or a <= a1 % 360)

    return m_cells(test)


def mirror(cells):
    """Left to right across a 16-pixel-wide glyph."""
    right = 16 * _scale - 1
    return {(right - x, y) for x, y in cells}


def shifted(cells, dx, dy=0):
    """Moved by dx, dy pixels of the 1x picture."""
    return {(x + dx * _scale, y + dy * _scale) for x, y in cells}


# Small pieces used by several glyphs.

PAGE = art("""
KKKKKKKK....
KWWWWWWKK...
KWWWWWWKWK..
KWWWWWWKWWK.
KWWWWWWKKKKK
KWWWWWWWWWWK
KWWWWWWWWWWK
KWWWWWWWWWWK
KWWWWWWWWWWK
KWWWWWWWWWWK
KWWWWWWWWWWK
KWWWWWWWWWWK
KWWWWWWWWWWK
KKKKKKKKKKKK
""")

SMALL_PAGE = art("""
KKKKKK...
KWWWWKK..
KWWWWKWK.
KWWWWKKKK
KWWWWWWWK
KWGGGGGWK
KWWWWWWWK
KWGGGGGWK
KWWWWWWWK
KWGGGGGWK
KKKKKKKKK
""")

PENCIL = art("""
.......KK.
......KRRK
.....KYKRK
....KYYYK.
...KYYYK..
..KYYYK...
.KWYYK....
.KWWK.....
KKKK......
""")

FLOPPY = art("""
KKKKKKKKKKKKKKK.
KbKWWWWWWWWWKbK.
KbKWWWWWWWWWKbK.
KbKWGGGGGGGWKbK.
KbKWWWWWWWWWKbK.
KbKWGGGGGGGWKbK.
KbKWWWWWWWWWKbK.
KbbKKKKKKKKKbbK.
KbbbbbbbbbbbbbK.
KbbKKKKKKKKKbbK.
KbbKSSKSSSSKbbK.
KbbKSSKSSSSKbbK.
KbbKSSKSSSSKbbK.
.KKKKKKKKKKKKKK.
""")

QUESTION = art("""
.KKKKKK.
KWWWWWWK
KWWKKWWK
KKKKKWWK
...KWWWK
..KWWWK.
..KWWK..
..KKKK..
..KWWK..
..KKKK..
""")

LETTER_I = art("""
.KKK.
.KWK.
.KKK.
KKKK.
KWWK.
KKWK.
.KWK.
KKWKK
KWWWK
KKKKK
""")


def badge(fill, letter, letter_colour):
    g = Grid().paint(m_disc(7.5, 7.5, 7.3), fill)
    piece = QUESTION if letter == "?" else LETTER_I
    ox = 4 if letter == "?" else 5
    return g.blit(piece, ox, 3, {"W": letter_colour})


def balloon(letter, fill):
    body = m_ellipse(7.5, 6.5, 7.4, 5.9) | m_poly([(3, 10), (7, 10), (1.5, 15.4)])
    g = Grid().paint(body, fill)
    piece = QUESTION if letter == "?" else LETTER_I
    return g.blit(piece, 4 if letter == "?" else 5, 2, {"W": "B"})


def check_mark(ox=0, oy=0, scale=1.0, width=3.2):
    pts = [(1.5, 8.5), (5.5, 12.5), (14, 3)]
    return m_line([(ox + x * scale, oy + y * scale) for x, y in pts], width)


def cross_mask(lo=2.5, hi=12.5, width=3.6):
    return m_line([(lo, lo), (hi, hi)], width) | m_line([(hi, lo), (lo, hi)], width)


def magnifier(g, cx=6, cy=6, r=4.6):
    g.paint(m_line([(cx + r * 0.6, cy + r * 0.6), (cx + r * 1.55, cy + r * 1.55)], 3.2), "r")
    g.paint(m_disc(cx, cy, r), "C")
    g.put(int(cx - r / 2), int(cy - r / 2), "W")
    return g


def arc_arrow(right):
    """A curved arrow over the top of a circle, its head pointing down at one end."""
    ring = m_disc(8, 10, 6.8) - m_disc(8, 10, 3.2)
    ring = {(x, y) for x, y in ring if picture_pixel(y) <= 10 and picture_pixel(x) >= 3}
    head = m_poly([(-0.4, 9.5), (7.4, 9.5), (3.5, 14.6)])
    cells = ring | head
    return mirror(cells) if right else cells


# --- the glyphs, one function each ----------------------------------------------------------


def g_check():
    return Grid().paint(check_mark(), "g")


def g_cross():
    return Grid().paint(cross_mask(), "R")


def g_help():
    return badge("B", "?", "W")


def g_no():
    ring = m_disc(7.5, 7.5, 7.4) - m_disc(7.5, 7.5, 4.0)
    slash = m_line([(3, 3), (12, 12)], 3.4) & m_disc(7.5, 7.5, 7.4)
    return Grid().paint(ring | slash, "R")


def g_close():
    return Grid().blit(art("""
.K..............
.KKK............
.KyyKKKKKKKKKK..
.KyyyKbbbbbbbK..
.KyyyKbbbbbbbK..
.KyyyKbbbbbbbK..
.KyyyKbbbbbbbK..
.KyKyKbbbbbbbK..
.KyKyKbbbbbbbK..
.KyyyKbbbbbbbK..
.KyyyKbbbbbbbK..
.KyyyKbbbbbbbK..
.KyyyKbbbbbbbK..
.KyyKKKKKKKKKK..
.KKK............
.K..............
"""))


def g_abort():
    octagon = m_poly([(5, 0), (11, 0), (15.5, 4.5), (15.5, 10.5), (11, 15.5), (5, 15.5),
                      (-0.5, 10.5), (-0.5, 4.5)])
    g = Grid().paint(octagon, "R")
    for x in range(3, 13):
        for y in (7, 8):
            g.put(x, y, "W")
    return g


def g_retry():
    ring = m_disc(7.5, 8, 6.9) - m_disc(7.5, 8, 3.3) - m_sector(7.5, 8, 285, 345)
    head = m_poly([(9.5, -0.4), (9.5, 7.4), (15.6, 3.5)])
    return Grid().paint(ring | head, "g")


def g_ignore():
    g = Grid().paint(m_rect(6, 9, 9, 15), "G")
    arc = m_disc(8, 10, 6.8) - m_disc(8, 10, 3.6)
    arc = {(x, y) for x, y in arc if picture_pixel(y) <= 9 and picture_pixel(x) <= 12}
    head = m_poly([(9.5, 9.5), (16, 9.5), (12.6, 14.6)])
    return g.paint(arc | head, "B")


def g_all():
    g = Grid(16, 17)
    g.paint(check_mark(-1, -1, 0.85, 3.0), "g")
    g.paint(check_mark(2, 4, 0.85, 3.0), "g")
    return g


def g_open():
    return Grid().blit(art("""
................
................
.KKKKK..........
KYYYYYK.........
KYyyyyYKKKKKKK..
KYyyyyyyyyyyyK..
KYyyyyyyyyyyyK..
KYyyKKKKKKKKKKKK
KYyKYYYYYYYYYYYK
KYKYYYYYYYYYYYK.
KYKYYYYYYYYYYYK.
KKYYYYYYYYYYYK..
KKYYYYYYYYYYYK..
KKKKKKKKKKKKKK..
................
................
"""))


def g_new():
    return Grid().blit(PAGE, 2, 1)


def g_copy():
    return Grid().blit(SMALL_PAGE, 1, 0).blit(SMALL_PAGE, 6, 5)


def g_cut():
    g = Grid()
    g.paint(m_line([(4.5, 0.5), (9.5, 9)], 1.6), "K", None)
    g.paint(m_line([(10.5, 0.5), (5.5, 9)], 1.6), "K", None)
    g.paint(m_disc(4, 12, 3.5) - m_disc(4, 12, 1.3), "R")
    g.paint(m_disc(11, 12, 3.5) - m_disc(11, 12, 1.3), "R")
    return g


def g_edit():
    return Grid().blit(PAGE, 0, 1).blit(PENCIL, 6, 6)


def g_delete():
    return Grid().paint(cross_mask(2, 13, 3.8), "R")


def g_paste():
    g = Grid().paint(m_rect(1, 2, 12, 15), "y")
    g.paint(m_rect(4, 1, 9, 4), "S")
    return g.blit(SMALL_PAGE, 6, 5)


def g_find():
    return magnifier(Grid())


def g_undo():
    return Grid().paint(arc_arrow(False), "B")


def g_redo():
    return Grid().paint(arc_arrow(True), "B")


def g_save():
    return Grid().blit(FLOPPY, 0, 1)


def g_checkpage():
    return Grid().blit(PAGE, 2, 1).paint(check_mark(3, 5, 0.65, 2.8), "g")


def g_printer():
    return Grid().blit(art("""
................
....KKKKKKK.....
....KWWWWWK.....
....KWGGGWK.....
....KWWWWWK.....
.KKKKKKKKKKKKK..
KSSSSSSSSSSSSSK.
KSSSSSSSSSSSLSK.
KSSSSSSSSSSSSSK.
KGGGGGGGGGGGGGK.
KGKKKKKKKKKKKGK.
KKKKWWWWWWWWKKK.
...KWGGGGGGWK...
...KWWWWWWWWK...
...KKKKKKKKKK...
................
"""))


def g_exit():
    g = Grid().paint(m_rect(7, 1, 14, 15), "y")
    g.paint(m_rect(9, 3, 12, 13), "y")
    g.put(11, 8, "Y")
    arrow = m_rect(3, 6, 9, 10) | m_poly([(-0.5, 8), (4.5, 2.5), (4.5, 13.5)])
    return g.paint(arrow, "L")


def g_about():
    return balloon("i", "W")


def g_calculate():
    return Grid().blit(art("""
..KKKKKKKKKKKK..
..KSSSSSSSSSSK..
..KSKKKKKKKKSK..
..KSKCCCCCCKSK..
..KSKKKKKKKKSK..
..KSSSSSSSSSSK..
..KSKKSKKSRRSK..
..KSKKSKKSRRSK..
..KSSSSSSSSSSK..
..KSKKSKKSKKSK..
..KSKKSKKSKKSK..
..KSSSSSSSSSSK..
..KSKKSKKSKKSK..
..KSKKSKKSKKSK..
..KSSSSSSSSSSK..
..KKKKKKKKKKKK..
"""))


def g_search():
    g = Grid()
    g.paint(m_rect(2, 2, 6, 9), "G")
    g.paint(m_rect(9, 2, 13, 9), "G")
    g.paint(m_rect(5, 5, 10, 8), "G")
    g.paint(m_disc(4, 11, 3.4), "b")
    g.paint(m_disc(11, 11, 3.4), "b")
    g.put(3, 10, "C")
    g.put(10, 10, "C")
    return g


def g_information():
    return badge("B", "i", "W")


def g_password():
    key = (m_disc(4.5, 7.5, 4.2) - m_disc(4.5, 7.5, 1.3)) | m_rect(8, 6, 15, 9)
    key |= m_rect(11, 9, 12, 12) | m_rect(14, 9, 15, 11)
    return Grid().paint(key, "Y")


def _first():
    return m_rect(2, 2, 4, 13) | m_poly([(4.6, 7.5), (12.8, 1.2), (12.8, 13.8)])


def _previous():
    return m_poly([(2.6, 7.5), (11.8, 1.2), (11.8, 13.8)])


def g_start():
    return Grid().paint(_first(), "B")


def g_previous():
    return Grid().paint(shifted(_previous(), 1), "B")


def g_next():
    return Grid().paint(shifted(mirror(_previous()), -1), "B")


def g_end():
    return Grid().paint(mirror(_first()), "B")


def g_question():
    return balloon("?", "Y")


def g_saveto():
    return Grid().blit(FLOPPY, 0, 0).blit(PENCIL, 6, 7)


def g_chart():
    g = Grid()
    g.paint(m_rect(3, 8, 6, 13), "R")
    g.paint(m_rect(7, 3, 10, 13), "g")
    g.paint(m_rect(11, 6, 14, 13), "B")
    for y in range(1, 15):
        g.put(1, y, "K")
    for x in range(1, 16):
        g.put(x, 14, "K")
    return g


def g_design():
    square = m_poly([(1, 0.5), (1, 15.5), (15.5, 15.5)]) - m_poly([(4, 8), (4, 12.5), (8.5, 12.5)])
    g = Grid().paint(square, "Y")
    for y in (4, 7, 10, 13):
        g.put(2, y, "K")
    return g


def g_preview():
    return magnifier(Grid().blit(PAGE, 0, 0), 9, 9, 3.7)


def g_refresh():
    ring = m_disc(7.5, 7.5, 7.0) - m_disc(7.5, 7.5, 3.6)
    ring -= m_sector(7.5, 7.5, 300, 345) | m_sector(7.5, 7.5, 120, 165)
    heads = m_poly([(9.5, -0.5), (9.5, 6.5), (15.3, 2.5)]) | m_poly(
        [(5.5, 15.5), (5.5, 8.5), (-0.3, 12.5)])
    return Grid().paint(ring | heads, "g")


def g_properties():
    g = Grid().blit(PAGE, 2, 1)
    for y in (7, 10, 13):
        g.put(4, y, "B")
        g.put(5, y, "B")
        for x in range(7, 12):
            g.put(x, y, "G")
    return g


def g_addnew():
    g = Grid().blit(PAGE, 0, 0)
    return g.paint(m_rect(10, 6, 13, 15) | m_rect(7, 9, 15, 12), "L")


def g_audit():
    g = Grid().blit(PAGE, 0, 0)
    return g.paint(m_rect(9, 6, 13, 10) | m_rect(7, 11, 15, 14), "R")


def g_link():
    def link(a, b):
        return m_line([a, b], 6.2) - m_line([a, b], 1.6)

    g = Grid()
    g.paint(link((3.5, 11.5), (6.5, 8.5)), "B")
    g.paint(link((8.5, 6.5), (11.5, 3.5)), "B")
    g.paint(m_line([(5.5, 9.5), (9.5, 5.5)], 2.6), "S")
    return g


def g_account():
    g = Grid()
    for cy in (12.5, 10, 7.5, 5):
        g.paint(m_ellipse(7.5, cy, 7.0, 2.8), "Y")
    for x in range(6, 10):
        g.put(x, 5, "y")
    return g


def g_home():
    return Grid().blit(art("""
................
.......KK.......
......KRRK.KK...
.....KRRRRKKK...
....KRRRRRRKK...
...KRRRRRRRRK...
..KRRRRRRRRRRK..
.KKKKKKKKKKKKKK.
...KYYYYYYYYK...
...KYKKKYKKKK...
...KYKyKYKCKK...
...KYKyKYKKKK...
...KYKyKYYYYK...
...KYKyKYYYYK...
...KKKKKKKKKK...
................
"""))


def g_tools():
    teeth = set()
    for k in range(8):
        a = math.radians(k * 45 + 22.5)
        ux, uy = math.cos(a), math.sin(a)
        vx, vy = -uy, ux
        c0, c1 = 4.5, 7.9
        w = 1.5
        teeth |= m_poly([(7.5 + ux * c0 + vx * w, 7.5 + uy * c0 + vy * w),
                         (7.5 + ux * c1 + vx * w, 7.5 + uy * c1 + vy * w),
                         (7.5 + ux * c1 - vx * w, 7.5 + uy * c1 - vy * w),
                         (7.5 + ux * c0 - vx * w, 7.5 + uy * c0 - vy * w)])
    gear = (m_disc(7.5, 7.5, 5.6) | teeth) - m_disc(7.5, 7.5, 1.9)
    return Grid().paint(gear, "S")


def g_error():
    g = Grid().paint(m_disc(7.5, 7.5, 7.4), "R")
    g.paint(cross_mask(4.5, 10.5, 2.2), "W", None)
    return g


def g_build():
    d = 1 / math.sqrt(2)
    cx, cy = 10.3, 4.7
    head = m_poly([(cx + d * 4.8 + d * 1.9, cy + d * 4.8 - d * 1.9),
                   (cx - d * 4.8 + d * 1.9, cy - d * 4.8 - d * 1.9),
                   (cx - d * 4.8 - d * 1.9, cy - d * 4.8 + d * 1.9),
                   (cx + d * 4.8 - d * 1.9, cy + d * 4.8 + d * 1.9)])
    g = Grid().paint(m_line([(1.5, 14), (9.5, 6)], 3.2), "y")
    return g.paint(head, "G")


def g_load():
    g = Grid()
    tray = m_line([(1.5, 9), (1.5, 13.5), (13.5, 13.5), (13.5, 9)], 3.0)
    g.paint(tray, "G")
    arrow = m_rect(6, 0, 9, 6) | m_poly([(2.6, 6), (12.4, 6), (7.5, 11.6)])
    return g.paint(arrow, "L")


# Name, function, cell size (w, h). The ten "XPB" glyphs have a second, greyed cell.
GLYPHS = [
    ("XPBOK", g_check), ("XPBCANCEL", g_cross), ("XPBHELP", g_help), ("XPBYES", g_check),
    ("XPBNO", g_no), ("XPBCLOSE", g_close), ("XPBABORT", g_abort), ("XPBRETRY", g_retry),
    ("XPBIGNORE", g_ignore), ("XPBALL", g_all),
    ("XPOPEN", g_open), ("XPNEW", g_new), ("XPCOPY", g_copy), ("XPCUT", g_cut),
    ("XPEDIT", g_edit), ("XPDELETE", g_delete), ("XPPASTE", g_paste), ("XPFIND", g_find),
    ("XPUNDO", g_undo), ("XPREDO", g_redo), ("XPSAVE", g_save), ("XPCHECK", g_checkpage),
    ("XPPRINTER", g_printer), ("XPEXIT", g_exit), ("XPHELP", g_help), ("XPABOUT", g_about),
    ("XPCALCULATE", g_calculate), ("XPSEARCH", g_search), ("XPINFORMATION", g_information),
    ("XPPASSWORD", g_password), ("XPSTART", g_start), ("XPPREVIOUS", g_previous),
    ("XPNEXT", g_next), ("XPEND", g_end), ("XPQUESTION", g_question), ("XPSAVETO", g_saveto),
    ("XPCHART", g_chart), ("XPDESIGN", g_design), ("XPPREVIEW", g_preview),
    ("XPREFRESH", g_refresh), ("XPPROPERTIY", g_properties), ("XPADDNEW", g_addnew),
    ("XPACDUIT", g_audit), ("XPLINK", g_link), ("XPACCOUNT", g_account), ("XPHOME", g_home),
    ("XPTOOLS", g_tools), ("XPERROR", g_error), ("XPBUILD", g_build), ("XPLOAD", g_load),
]


def two_cell_glyph(picture, cell_h):
    """Normal cell and greyed cell side by side, each 18 wide, the picture inset by one pixel."""
    s = picture.s
    out = Grid(36, cell_h)
    for y, row in enumerate(picture.cells):
        for x, ch in enumerate(row):
            if ch != ".":
                out.cells[y + s][x + s] = ch
    # The greyed cell: the outline embossed (white below right, grey on top) and the colours
    # faded to light grey, like a disabled toolbar button.
    for y, row in enumerate(picture.cells):
        for x, ch in enumerate(row):
            if ch == "K" and out.cells[y + 2 * s][x + 20 * s] == ".":
                out.cells[y + 2 * s][x + 20 * s] = "W"
    for y, row in enumerate(picture.cells):
        for x, ch in enumerate(row):
            if ch != ".":
                out.cells[y + s][x + 19 * s] = {"K": "G", "W": "W"}.get(ch, "S")
    return out


TWO_CELL_GLYPHS = {name for name, _ in GLYPHS[:10]}


def make_glyph(name, func):
    picture = func()
    assert picture.cells[-1][0] == ".", name + ": the bottom-left pixel must be background"
    if name in TWO_CELL_GLYPHS:
        return two_cell_glyph(picture, 19 if name == "XPBALL" else 18)
    assert (picture.w, picture.h) == (16, 16), name
    return picture


# ---------------------------------------------------------------------------------------------
# Output


def scaled(rows, factor, backdrop):
    """Nearest-neighbour enlargement for the preview sheets, alpha flattened on a backdrop."""
    out = []
    for row in rows:
        line = []
        for px in row:
            if len(px) == 4:
                a = px[3] / 255.0
                px = tuple(clamp8(px[i] * a + backdrop[i] * (1 - a)) for i in range(3))
            line.extend([tuple(px[:3])] * factor)
        out.extend([line] * factor)
    return out


def sheet(pictures, factor, backdrop=(212, 208, 200), columns=8, gap=6):
    """Lays out enlarged pictures in a grid on one image."""
    big = [scaled(rows, factor, backdrop) for rows in pictures]
    cell_w = max(len(b[0]) for b in big) + gap
    cell_h = max(len(b) for b in big) + gap
    n_rows = (len(big) + columns - 1) // columns
    w, h = cell_w * min(columns, len(big)) + gap, cell_h * n_rows + gap
    canvas = [[backdrop] * w for _ in range(h)]
    canvas = [list(r) for r in canvas]
    for i, b in enumerate(big):
        ox, oy = gap + (i % columns) * cell_w, gap + (i // columns) * cell_h
        for y, row in enumerate(b):
            canvas[oy + y][ox:ox + len(row)] = row
    return w, h, canvas


TOOLBAR_ICONS = [
    ("new", icon_new), ("open", icon_open), ("save", icon_save), ("exit", icon_exit),
    ("previous", lambda: icon_arrow(True)), ("next", lambda: icon_arrow(False)),
    ("mode", icon_mode),
]
ICON_SIZES = (32, 64, 128, 256)


def write_picture(path, rows, alpha):
    write_png(path, len(rows[0]), len(rows), rows, alpha)


def scaled_name(name, s):
    return name if s == 1 else "%s@%dx" % (name, s)


def write_scaled_pictures(s):
    """The board, the stones, the toolbar images and the glyphs at drawing scale s; returns
    the wood, the stones, the toolbar images and the glyphs for the preview sheets."""
    board = os.path.join(RESOURCES, "board")
    icons = os.path.join(RESOURCES, "icons")
    glyph_dir = os.path.join(RESOURCES, "glyphs")
    with drawing_scale(s):
        wood = draw_wood()
        write_picture(os.path.join(board, scaled_name("qipan", s) + ".png"), wood, False)
        white, black = draw_stone(True), draw_stone(False)
        write_picture(os.path.join(board, scaled_name("whitechess", s) + ".png"), white, False)
        write_picture(os.path.join(board, scaled_name("Blackchess", s) + ".png"), black, False)

        toolbar = []
        for name, func in TOOLBAR_ICONS:
            rows = func().rows()
            toolbar.append(rows)
            write_picture(os.path.join(icons, scaled_name(name, s) + ".png"), rows, True)

        glyphs = []
        for name, func in GLYPHS:
            rows = make_glyph(name, func).rgb_rows()
            glyphs.append(rows)
            write_picture(os.path.join(glyph_dir, scaled_name(name, s) + ".png"), rows, False)
    return wood, [white, black], toolbar, glyphs


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--preview", metavar="DIR", help="also write enlarged sheets to DIR")
    args = parser.parse_args()

    wood, (white, black), toolbar, glyphs = write_scaled_pictures(1)
    icons = os.path.join(RESOURCES, "icons")
    program = {}
    for size in ICON_SIZES:
        program[size] = program_icon(size).rows()
        write_png(os.path.join(icons, "wuziqi-%d.png" % size), size, size, program[size], True)
    larger = {s: write_scaled_pictures(s) for s in SCALES}

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        for label, pictures, factor, columns in (
                ("glyphs", glyphs, 10, 6), ("toolbar", toolbar, 12, 7),
                ("stones", [white, black, wood], 3, 3),
                ("program", [program[s] for s in ICON_SIZES[:3]], 2, 3),
                ("program32", [program[32]], 8, 1)):
            w, h, rows = sheet(pictures, factor, columns=columns)
            write_png(os.path.join(args.preview, label + ".png"), w, h, rows, False)
        w, h, rows = sheet([program[256]], 1)
        write_png(os.path.join(args.preview, "program256.png"), w, h, rows, False)
        # The larger drawings at the size of the 1x sheets, to compare them side by side.
        for s, (_, stones, toolbar_s, glyphs_s) in larger.items():
            for label, pictures, factor, columns in (
                    ("glyphs", glyphs_s, 10, 6), ("toolbar", toolbar_s, 12, 7),
                    ("stones", stones, 3, 2)):
                w, h, rows = sheet(pictures, max(1, factor // s), columns=columns)
                write_png(os.path.join(args.preview, "%s@%dx.png" % (label, s)), w, h, rows,
                          False)


if __name__ == "__main__":
    main()
