#!/usr/bin/env python3
"""Draws the fastener pictures of the older catalogue dialogs as 24-bit BMP files into
data/DATA/BITMAPS: one side or plan view of each fastener kind, 154 x 101 pixels (the dialogs show
them from (x, y) to (x + 153, y + 100)), steel grey with a dark outline on white.

The pictures are our own simple drawings: a nail, a wood screw, the partly threaded screws with
countersunk and washer heads, the fully threaded screw, a ringed special nail, the split ring
connector, the toothed-plate and disc connectors, the dowel and the bolt with washer and nut.
"""
import math
import os
import sys

from draw_pictures import write_bmp

W, H = 154, 101
WHITE = (255, 255, 255)
STEEL = (176, 180, 188)
DARK_STEEL = (120, 124, 132)
OUTLINE = (40, 40, 48)
MID = H // 2


# ---- shapes: predicates over pixel centres ----

def rect(x1, y1, x2, y2):
    return lambda x, y: x1 <= x <= x2 and y1 <= y <= y2


def polygon(points):
    def inside(x, y):
        c = False
        n = len(points)
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                c = not c
        return c
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out ** 2


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def teeth_on_circle(cx, cy, r, n, depth, width):
    """Triangular teeth standing out of a circle."""
    def inside(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        if d < r or d > r + depth:
            return False
        a = math.atan2(dy, dx) % (2 * math.pi / n)
        half = width / r / 2 * (1 - (d - r) / depth)
        return abs(a - math.pi / n) <= half
    return inside


def teeth_on_square(cx, cy, half, n, depth):
    """Triangular teeth along the four sides of a square."""
    def inside(x, y):
        dx, dy = x - cx, y - cy
        for u, v in ((dx, dy), (dy, dx)):
            out = abs(v) - half
            if 0 <= out <= depth and abs(u) <= half:
                pitch = 2 * half / n
                t = (u + half) % pitch - pitch / 2
                if abs(t) <= pitch / 2 * (1 - out / depth):
                    return True
        return False
    return inside


def thread(x1, x2, r_core, r_out, pitch):
    """A threaded length along the middle line, seen from the side: a saw-tooth outline."""
    def inside(x, y):
        if not x1 <= x <= x2:
            return False
        t = ((x - x1) % pitch) / pitch
        r = r_core + (r_out - r_core) * (1 - abs(2 * t - 1))
        return abs(y - MID) <= r
    return inside


def point(x1, x2, r):
    """A tip from the shank's radius at x1 to nothing at x2."""
    return polygon([(x1, MID - r), (x2, MID), (x1, MID + r)])


def thread_lines(x1, x2, r, pitch):
    """The thread's flanks drawn across the shank as slanted dark lines."""
    def inside(x, y):
        if not x1 <= x <= x2 or abs(y - MID) > r:
            return False
        return abs(((x - x1 + (y - MID) * 0.35) % pitch)) < 1.2
    return inside


# ---- pictures: lists of (shape, colour), later ones on top ----

def nail():
    return [(rect(20, MID - 4, 125, MID + 4), STEEL), (point(125, 145, 4), STEEL),
            (rect(12, MID - 14, 20, MID + 14), DARK_STEEL)]


def countersunk(x, r_head, r_shank, length=14):
    return polygon([(x, MID - r_head), (x + length, MID - r_shank), (x + length, MID + r_shank), (x, MID + r_head)])


def wood_screw():
    return [(rect(26, MID - 5, 70, MID + 5), STEEL), (thread(70, 128, 4, 8, 7), STEEL),
            (point(128, 146, 4), STEEL), (thread_lines(70, 128, 7, 7), DARK_STEEL),
            (countersunk(12, 13, 5), DARK_STEEL)]


def screw_partly_countersunk():
    return [(rect(26, MID - 4, 80, MID + 4), STEEL), (thread(80, 132, 3, 7, 6), STEEL),
            (point(132, 147, 3), STEEL), (thread_lines(80, 132, 6, 6), DARK_STEEL),
            (countersunk(12, 12, 4), DARK_STEEL)]


def screw_partly_washer():
    return [(rect(20, MID - 4, 80, MID + 4), STEEL), (thread(80, 132, 3, 7, 6), STEEL),
            (point(132, 147, 3), STEEL), (thread_lines(80, 132, 6, 6), DARK_STEEL),
            (polygon([(10, MID - 22), (16, MID - 22), (20, MID - 5), (20, MID + 5), (16, MID + 22),
                      (10, MID + 22)]), DARK_STEEL)]


def screw_fully_threaded():
    return [(thread(22, 134, 3, 7, 6), STEEL), (point(134, 148, 3), STEEL),
            (thread_lines(22, 134, 6, 6), DARK_STEEL), (rect(10, MID - 8, 22, MID + 8), DARK_STEEL)]


def special_nail():
    grooves = lambda x, y: 50 <= x <= 125 and abs(y - MID) <= 4 and (x - 50) % 6 < 2
    return [(rect(20, MID - 4, 125, MID + 4), STEEL), (point(125, 145, 4), STEEL), (grooves, DARK_STEEL),
            (rect(12, MID - 14, 20, MID + 14), DARK_STEEL)]


def split_ring():
    gap = lambda x, y: abs(y - MID) <= 3 and x > 77
    return [(minus(ring(77, MID, 42, 32), gap), STEEL)]


def toothed_round(hole):
    plate = union(ellipse(77, MID, 34, 34), teeth_on_circle(77, MID, 34, 16, 10, 9))
    shapes = [(plate, STEEL), (ring(77, MID, 26, 25), DARK_STEEL)]
    if hole:
        shapes.append((ellipse(77, MID, 7, 7), WHITE))
    return shapes


def toothed_square():
    plate = union(rect(77 - 30, MID - 30, 77 + 30, MID + 30), teeth_on_square(77, MID, 30, 6, 10))
    return [(plate, STEEL), (ellipse(77, MID, 7, 7), WHITE)]


def toothed_ring():
    ring_with_teeth = union(ring(77, MID, 34, 22), teeth_on_circle(77, MID, 34, 18, 9, 8))
    return [(ring_with_teeth, STEEL)]


def disc_with_flange():
    return [(ellipse(77, MID, 40, 40), STEEL), (ring(77, MID, 30, 29), DARK_STEEL), (ellipse(77, MID, 12, 12), DARK_STEEL),
            (ellipse(77, MID, 6, 6), WHITE)]


def disc_one_sided_hub():
    return [(union(ellipse(77, MID, 32, 32), teeth_on_circle(77, MID, 32, 14, 9, 9)), STEEL),
            (ellipse(77, MID, 14, 14), DARK_STEEL), (ellipse(77, MID, 7, 7), WHITE)]


def dowel():
    body = polygon([(18, MID - 6), (134, MID - 6), (138, MID - 2), (138, MID + 2), (134, MID + 6), (18, MID + 6),
                    (14, MID + 2), (14, MID - 2)])
    return [(body, STEEL)]


def bolt():
    nut_lines = lambda x, y: 112 <= x <= 124 and (abs(y - MID + 6) < 1 or abs(y - MID - 6) < 1)
    return [(rect(26, MID - 6, 132, MID + 6), STEEL), (thread_lines(96, 132, 6, 4), DARK_STEEL),
            (rect(14, MID - 17, 26, MID + 17), DARK_STEEL), (rect(106, MID - 20, 110, MID + 20), STEEL),
            (rect(112, MID - 17, 124, MID + 17), DARK_STEEL), (nut_lines, OUTLINE)]


PICTURES = {
    "Nagel.bmp": nail,
    "Schraube.bmp": wood_screw,
    "SPAX_Teil_Senk.bmp": screw_partly_countersunk,
    "SPAX_Teil_Teller.bmp": screw_partly_washer,
    "SPAX_Voll.bmp": screw_fully_threaded,
    "SonderNagel.bmp": special_nail,
    "Ringduebel_A1.bmp": split_ring,
    "Scheibenduebel_C1.bmp": lambda: toothed_round(hole=True),
    "Scheibenduebel_C5.bmp": toothed_square,
    "Scheibenduebel_C10.bmp": toothed_ring,
    "Stabduebel_G10.bmp": dowel,
    "Bolzen.bmp": bolt,
    "Scheibenduebel_B1.bmp": disc_with_flange,
    "Scheibenduebel_C2.bmp": lambda: toothed_round(hole=False),
    "Scheibenduebel_C11.bmp": disc_one_sided_hub,
}


def render(shapes):
    """Colours of every pixel, and a dark outline where a filled pixel meets a different one."""
    def top(x, y):
        for k in range(len(shapes) - 1, -1, -1):
            if shapes[k][0](x + 0.5, y + 0.5):
                return k
        return -1
    index = [[top(x, y) for x in range(W)] for y in range(H)]

    def pixel(x, y):
        k = index[y][x]
        if k < 0:
            return WHITE
        colour = shapes[k][1]
        if colour == WHITE:
            return WHITE
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            nx, ny = x + dx, y + dy
            if not (0 <= nx < W and 0 <= ny < H) or index[ny][nx] < 0 or shapes[index[ny][nx]][1] == WHITE:
                return OUTLINE
        return colour
    return pixel


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "DATA", "BITMAPS")
    os.makedirs(out, exist_ok=True)
    for name, picture in PICTURES.items():
        write_bmp(os.path.join(out, name), W, H, render(picture()))


if __name__ == "__main__":
    main()
