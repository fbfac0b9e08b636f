#!/usr/bin/env python3
"""Draws the cover bitmaps offered for new books (data/covers/*.bmp) and the
default cover picture data/image_p.bmp.

A cover is the small picture that stands for a book on its shelf and in the
cover chooser, which shows them at 48 x 48 pixels; so they are drawn at that
size, as 24-bit BMP files (about 7 KB each). Each one is a textured board with
a darker spine on the left and a simple motif, all computed here: no artwork
from elsewhere. Plain Python, no libraries; the output is the same at every run.

    python3 scripts/books/make-covers.py [--out data]
"""

import argparse
import math
import os
import struct

SIZE = 48
SAMPLES = 4  # per axis, for smooth motif edges


def write_bmp(path, pixels, width, height):
    """24-bit uncompressed BMP, bottom-up rows padded to 4 bytes."""
    row_size = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixels[y * width + x]
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        data += row
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def hexrgb(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def shade(c, f):
    return tuple(max(0.0, min(255.0, v * f)) for v in c)


def hash2(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0


def value_noise(x, y, scale, seed):
    fx, fy = x / scale, y / scale
    ix, iy = math.floor(fx), math.floor(fy)
    tx, ty = fx - ix, fy - iy
    tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
    a = hash2(ix, iy, seed) + (hash2(ix + 1, iy, seed) - hash2(ix, iy, seed)) * tx
    b = hash2(ix, iy + 1, seed) + (hash2(ix + 1, iy + 1, seed) - hash2(ix, iy + 1, seed)) * tx
    return a + (b - a) * ty


def fractal(x, y, seed):
    return (0.5 * value_noise(x, y, 12, seed) + 0.3 * value_noise(x, y, 5, seed + 1)
            + 0.2 * value_noise(x, y, 2, seed + 2))


# Textures: (x, y, base, accent, seed) -> colour.

def tex_cloth(x, y, base, accent, seed):
    weave = 0.06 * (((int(x) + int(y)) % 2) - 0.5) + 0.05 * math.sin(x * 2.1) * math.sin(y * 2.1)
    return shade(mix(base, accent, 0.25 * fractal(x, y, seed)), 1 + weave)


def tex_marble(x, y, base, accent, seed):
    v = math.sin((x + y) * 0.25 + 6 * fractal(x, y, seed))
    return mix(base, accent, (v + 1) / 2 * 0.6)


def tex_stripes(x, y, base, accent, seed):
    return mix(base, accent, 0.55 if int((x + y) / 4) % 2 else 0.0)


def tex_checks(x, y, base, accent, seed):
    return mix(base, accent, 0.35 if (int(x / 6) + int(y / 6)) % 2 else 0.0)


def tex_dots(x, y, base, accent, seed):
    cx, cy = (x % 8) - 4, (y % 8) - 4
    return mix(base, accent, 0.6 if cx * cx + cy * cy < 3.5 else 0.0)


def tex_waves(x, y, base, accent, seed):
    v = math.sin(y * 0.7 + 2.2 * math.sin(x * 0.3))
    return mix(base, accent, 0.45 * (v + 1) / 2)


def tex_gradient(x, y, base, accent, seed):
    return mix(base, accent, y / SIZE + 0.1 * fractal(x, y, seed))


def tex_leather(x, y, base, accent, seed):
    n = fractal(x * 2.5, y * 2.5, seed)
    return shade(mix(base, accent, 0.3 * n), 0.9 + 0.2 * n)


# Motifs: signed distance (negative inside) in cover coordinates, the board
# spanning x 8..46 and y 2..46.

CX, CY = 27.0, 24.0


def d_circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


def d_box(x, y, cx, cy, hw, hh):
    dx, dy = abs(x - cx) - hw, abs(y - cy) - hh
    return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0)


def d_segment(x, y, ax, ay, bx, by, r):
    px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
    t = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - vx * t, py - vy * t) - r


def d_polygon(x, y, pts):
    inside = False
    best = 1e9
    n = len(pts)
    for i in range(n):
        ax, ay = pts[i]
        bx, by = pts[(i + 1) % n]
        if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
            inside = not inside
        best = min(best, d_segment(x, y, ax, ay, bx, by, 0))
    return -best if inside else best


def star_points(cx, cy, r_out, r_in, n=5, rot=-math.pi / 2):
    pts = []
    for k in range(2 * n):
        r = r_out if k % 2 == 0 else r_in
        a = rot + math.pi * k / n
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


STAR = star_points(CX, CY, 13, 5.5)
TRIANGLE = [(CX, CY - 13), (CX + 13, CY + 10), (CX - 13, CY + 10)]
DIAMOND = [(CX, CY - 14), (CX + 11, CY), (CX, CY + 14), (CX - 11, CY)]
MOUNTAINS = [(10, 40), (22, 16), (29, 28), (35, 20), (46, 40)]
BOLT = [(30, 6), (17, 27), (26, 27), (22, 42), (37, 19), (28, 19), (34, 6)]
TREE = [(CX, 7), (CX + 12, 33), (CX - 12, 33)]
HOUSE = [(CX, 9), (CX + 13, 22), (CX + 10, 22), (CX + 10, 39), (CX - 10, 39), (CX - 10, 22), (CX - 13, 22)]
ARROW = [(12, 20), (28, 20), (28, 12), (42, 24), (28, 36), (28, 28), (12, 28)]


def m_circle(x, y):
    return d_circle(x, y, CX, CY, 11)


def m_ring(x, y):
    return abs(d_circle(x, y, CX, CY, 10)) - 3


def m_star(x, y):
    return d_polygon(x, y, STAR)


def m_heart(x, y):
    u, v = (x - CX) / 12.0, -(y - CY - 1) / 12.0
    f = (u * u + v * v - 1) ** 3 - u * u * v ** 3
    return f * 6


def m_triangle(x, y):
    return d_polygon(x, y, TRIANGLE)


def m_diamond(x, y):
    return d_polygon(x, y, DIAMOND)


def m_cross(x, y):
    return min(d_box(x, y, CX, CY, 3.5, 12), d_box(x, y, CX, CY, 12, 3.5))


def m_moon(x, y):
    return max(d_circle(x, y, CX, CY, 12), -d_circle(x, y, CX + 6, CY - 4, 10))


def m_drop(x, y):
    body = d_circle(x, y, CX, CY + 5, 9)
    tip = d_polygon(x, y, [(CX, CY - 14), (CX + 8.2, CY + 1.5), (CX - 8.2, CY + 1.5)])
    return min(body, tip)


def m_leaf(x, y):
    blade = max(d_circle(x, y, CX - 6, CY + 6, 17), d_circle(x, y, CX + 6, CY - 6, 17))
    return min(blade, d_segment(x, y, CX - 14, CY + 14, CX - 8, CY + 8, 1.3))


def m_sun(x, y):
    d = d_circle(x, y, CX, CY, 7)
    for k in range(8):
        a = k * math.pi / 4
        d = min(d, d_segment(x, y, CX + 10 * math.cos(a), CY + 10 * math.sin(a),
                             CX + 15 * math.cos(a), CY + 15 * math.sin(a), 1.4))
    return d


def m_globe(x, y):
    outline = abs(d_circle(x, y, CX, CY, 13)) - 1.2
    lines = min(abs(y - CY) - 0.8, abs(x - CX) - 0.8,
                abs(math.hypot((x - CX) / 0.45, y - CY) - 13) * 0.45 - 0.8,
                abs(y - (CY - 7)) - 0.7, abs(y - (CY + 7)) - 0.7)
    return min(outline, max(lines, d_circle(x, y, CX, CY, 13)))


def m_atom(x, y):
    d = d_circle(x, y, CX, CY, 3)
    for k in range(3):
        a = k * math.pi / 3
        u = (x - CX) * math.cos(a) + (y - CY) * math.sin(a)
        v = -(x - CX) * math.sin(a) + (y - CY) * math.cos(a)
        d = min(d, abs(math.hypot(u / 14.0, v / 5.0) - 1) * 5 - 0.9)
    return d


def m_mountains(x, y):
    return d_polygon(x, y, MOUNTAINS)


def m_bolt(x, y):
    return d_polygon(x, y, BOLT)


def m_tree(x, y):
    return min(d_polygon(x, y, TREE), d_box(x, y, CX, 37, 2.5, 5))


def m_house(x, y):
    return max(d_polygon(x, y, HOUSE), -d_box(x, y, CX, 34, 3, 5.5))


def m_waves(x, y):
    d = 1e9
    for k in (-8, 0, 8):
        d = min(d, abs(y - (CY + k) - 3 * math.sin((x - 8) * 0.45)) - 1.6)
    return max(d, d_box(x, y, CX, CY, 15, 14))


def m_note(x, y):
    head = d_circle(x, y, CX - 4, CY + 10, 5)
    stem = d_box(x, y, CX + 0.3, CY - 3, 1.3, 13)
    flag = d_polygon(x, y, [(CX - 1, CY - 16), (CX + 10, CY - 10), (CX + 10, CY - 6), (CX - 1, CY - 11)])
    return min(head, stem, flag)


def m_book(x, y):
    left = d_polygon(x, y, [(11, 14), (26, 17), (26, 38), (11, 35)])
    right = d_polygon(x, y, [(28, 17), (43, 14), (43, 35), (28, 38)])
    return min(left, right)


def m_arrow(x, y):
    return d_polygon(x, y, ARROW)


def m_flower(x, y):
    d = d_circle(x, y, CX, CY, 4)
    for k in range(6):
        a = k * math.pi / 3
        d = min(d, d_circle(x, y, CX + 8 * math.cos(a), CY + 8 * math.sin(a), 5))
    return d


def m_bubble(x, y):
    body = d_box(x, y, CX, CY - 3, 14, 9) - 3
    tail = d_polygon(x, y, [(CX - 8, CY + 7), (CX - 11, CY + 16), (CX - 1, CY + 7)])
    return min(body, tail)


def m_flask(x, y):
    neck = d_box(x, y, CX, CY - 9, 3.2, 7)
    body = d_polygon(x, y, [(CX - 3.2, CY - 3), (CX + 3.2, CY - 3), (CX + 13, CY + 14), (CX - 13, CY + 14)])
    return min(neck, body)


def m_key(x, y):
    bow = abs(d_circle(x, y, CX - 8, CY, 6)) - 2
    shaft = d_box(x, y, CX + 5, CY, 9, 1.8)
    bit = min(d_box(x, y, CX + 10, CY + 4, 1.6, 3), d_box(x, y, CX + 6, CY + 4, 1.6, 2.5))
    return min(bow, shaft, bit)


# (file name, texture, board colour, texture accent, motif, motif colour)
COVERS = [
    ("01_ruby_star", tex_cloth, "#9b1b30", "#d0475d", m_star, "#f6d365"),
    ("02_ocean_waves", tex_waves, "#1b4f72", "#5dade2", m_waves, "#f4f6f7"),
    ("03_forest_tree", tex_leather, "#1e5631", "#4c9a2a", m_tree, "#e8f5c8"),
    ("04_amber_sun", tex_gradient, "#f39c12", "#c0392b", m_sun, "#fff4d6"),
    ("05_violet_moon", tex_marble, "#3c1f5c", "#8e6bbf", m_moon, "#f5e6a8"),
    ("06_teal_atom", tex_checks, "#117a65", "#48c9b0", m_atom, "#ffffff"),
    ("07_slate_globe", tex_cloth, "#34495e", "#7f8c8d", m_globe, "#aed6f1"),
    ("08_rose_heart", tex_dots, "#d98880", "#fadbd8", m_heart, "#922b21"),
    ("09_olive_leaf", tex_stripes, "#6e7f2d", "#8fa23f", m_leaf, "#f9f3c2"),
    ("10_navy_diamond", tex_leather, "#1a2a4f", "#3b5998", m_diamond, "#d4af37"),
    ("11_sand_mountains", tex_gradient, "#f5deb3", "#c49a6c", m_mountains, "#5d4037"),
    ("12_storm_bolt", tex_marble, "#2c3e50", "#5d6d7e", m_bolt, "#f7dc6f"),
    ("13_coral_flower", tex_cloth, "#e76f51", "#f4a261", m_flower, "#fff8e7"),
    ("14_ink_note", tex_stripes, "#212f3d", "#2e4053", m_note, "#f0b27a"),
    ("15_cream_book", tex_leather, "#f3e5ab", "#d8c38a", m_book, "#6d4c41"),
    ("16_crimson_cross", tex_checks, "#a93226", "#cd6155", m_cross, "#ffffff"),
    ("17_sky_drop", tex_gradient, "#85c1e9", "#2e86c1", m_drop, "#ffffff"),
    ("18_moss_ring", tex_dots, "#3d5a40", "#6b8f71", m_ring, "#e9c46a"),
    ("19_plum_triangle", tex_waves, "#5b2c6f", "#884ea0", m_triangle, "#f8c471"),
    ("20_steel_arrow", tex_cloth, "#566573", "#aab7b8", m_arrow, "#f4d03f"),
    ("21_brick_house", tex_checks, "#873600", "#a04000", m_house, "#fdebd0"),
    ("22_mint_bubble", tex_marble, "#a3e4d7", "#48c9b0", m_bubble, "#0e6655"),
    ("23_copper_flask", tex_leather, "#935116", "#ca6f1e", m_flask, "#d6eaf8"),
    ("24_graphite_key", tex_stripes, "#4d5656", "#616a6b", m_key, "#f9e79f"),
    ("25_gold_circle", tex_marble, "#b7950b", "#f4d03f", m_circle, "#7b241c"),
    ("26_indigo_star", tex_dots, "#283593", "#5c6bc0", m_star, "#ffffff"),
]

# The default cover of a book created without choosing one: an open book on
# a plain blue board.
DEFAULT = ("image_p", tex_leather, "#2e4a7d", "#4a6fa5", m_book, "#fdfefe")


def draw(texture, base, accent, motif, colour, seed):
    base, accent, colour = hexrgb(base), hexrgb(accent), hexrgb(colour)
    spine = shade(base, 0.6)
    pixels = []
    for y in range(SIZE):
        for x in range(SIZE):
            if x < 2 or y < 1 or x > SIZE - 2 or y > SIZE - 2:
                c = shade(base, 0.45)  # edge of the board
            elif x < 7:
                c = shade(spine, 1.0 + (0.25 if x == 5 else 0.0) - 0.04 * abs(x - 4))
            else:
                c = texture(x + 0.5, y + 0.5, base, accent, seed)
                cover = 0
                shadow = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        px = x + (sx + 0.5) / SAMPLES
                        py = y + (sy + 0.5) / SAMPLES
                        if motif(px, py) < 0:
                            cover += 1
                        if motif(px - 1, py - 1) < 0:
                            shadow += 1
                n = SAMPLES * SAMPLES
                c = mix(c, shade(c, 0.55), shadow / n * 0.8)
                c = mix(c, colour, cover / n)
            pixels.append(tuple(int(round(v)) for v in c))
    return pixels


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "data"))
    args = parser.parse_args()
    covers = os.path.join(args.out, "covers")
    os.makedirs(covers, exist_ok=True)
    for seed, (name, texture, base, accent, motif, colour) in enumerate(COVERS, 1):
        pixels = draw(texture, base, accent, motif, colour, seed)
        write_bmp(os.path.join(covers, name + ".bmp"), pixels, SIZE, SIZE)
    name, texture, base, accent, motif, colour = DEFAULT
    write_bmp(os.path.join(args.out, name + ".bmp"),
              draw(texture, base, accent, motif, colour, 99), SIZE, SIZE)
    print(f"{len(COVERS)} covers and the default cover written")


if __name__ == "__main__":
    main()
