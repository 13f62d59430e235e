#!/usr/bin/env python3
"""Draws the pictures of the remarks sheet and of the concrete parameter pages as 24-bit BMP files
into data/DATA/BITMAPS (our own drawings):

UComment.bmp (75 x 70): a note pad with a pencil, beside the remarks sheet's hint.
UCButtons.bmp (108 x 108): the remarks sheet's three image buttons of 36 x 36 pixels, one row
each (cancel, help, confirm at y = 0, 36, 72) and one column per look (plain, under the pointer,
pressed).
bemop_fcd.bmp (221 x 193): the parabola-rectangle curve of concrete in compression: stress rising
as a parabola to the strain eps_c2, then constant to eps_c2u.
bemop_fyk.bmp (217 x 142): the bilinear curve of reinforcing steel: elastic to f_yk, then rising
to f_tk at eps_su.
The diagrams carry no text: the parameter pages write the symbols beside them.
"""
import math
import os
import sys

from draw_pictures import write_bmp

PAGE_FACE = (239, 253, 238)     # the parameter pages' picture background
SHEET_FACE = (255, 251, 240)    # the remarks sheet's view area
INK = (30, 30, 40)
CURVE = (0, 90, 170)
HELP_LINES = (150, 160, 150)


def segment(ax, ay, bx, by, width):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / float(dx * dx + dy * dy)))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2
    return inside


def dashed(ax, ay, bx, by, width, dash=4):
    line = segment(ax, ay, bx, by, width)
    return lambda x, y: line(x, y) and int((abs(x - ax) + abs(y - ay)) / dash) % 2 == 0


def polyline(points, width):
    parts = [segment(*points[i], *points[i + 1], width) for i in range(len(points) - 1)]
    return lambda x, y: any(p(x, y) for p in parts)


def rect(x1, y1, x2, y2):
    return lambda x, y: x1 <= x <= x2 and y1 <= y <= y2


def polygon(points):
    def inside(x, y):
        c = False
        for i in range(len(points)):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % len(points)]
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                c = not c
        return c
    return inside


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def arc(cx, cy, r, width, start, end):
    """Part of a circle from start to end degrees (clockwise on the screen, 0 to the right)."""
    def inside(x, y):
        if abs(math.hypot(x - cx, y - cy) - r) > width / 2:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return start <= a <= end if start <= end else a >= start or a <= end
    return inside


def arrow(x, y, direction, size=6):
    if direction == "up":
        return polygon([(x - size / 2, y + size), (x, y), (x + size / 2, y + size)])
    return polygon([(x - size, y - size / 2), (x, y), (x - size, y + size / 2)])


def render(width, height, background, shapes):
    def pixel(x, y):
        for shape, colour in reversed(shapes):
            if shape(x + 0.5, y + 0.5):
                return colour
        return background
    return width, height, pixel


def axes(ox, oy, right, top):
    return [(segment(ox, oy, right, oy, 1.4), INK), (arrow(right + 1, oy, "right"), INK),
            (segment(ox, oy, ox, top, 1.4), INK), (arrow(ox, top - 1, "up"), INK)]


def concrete_curve():
    """sigma = f_cd (1 - (1 - eps / eps_c2)^2) up to eps_c2 = 2 per mille, constant to 3.5."""
    ox, oy, top, right = 22, 168, 18, 205
    x_c2, x_c2u, y_fcd = ox + 90, ox + 158, 52
    points = []
    for k in range(31):
        e = k / 30
        points.append((ox + (x_c2 - ox) * e, oy - (oy - y_fcd) * (1 - (1 - e) ** 2)))
    points.append((x_c2u, y_fcd))
    return render(221, 193, PAGE_FACE, axes(ox, oy, right, top) + [
        (dashed(ox, y_fcd, x_c2u, y_fcd, 1), HELP_LINES), (dashed(x_c2, y_fcd, x_c2, oy, 1), HELP_LINES),
        (dashed(x_c2u, y_fcd, x_c2u, oy, 1), HELP_LINES), (polyline(points, 2.6), CURVE)])


def steel_curve():
    """Elastic to f_yk at eps_yk, then rising to f_tk at eps_su."""
    ox, oy, top, right = 22, 122, 14, 200
    x_yk, y_yk, x_su, y_tk = ox + 24, 48, ox + 160, 36
    return render(217, 142, PAGE_FACE, axes(ox, oy, right, top) + [
        (dashed(ox, y_yk, x_yk, y_yk, 1), HELP_LINES), (dashed(ox, y_tk, x_su, y_tk, 1), HELP_LINES),
        (dashed(x_su, y_tk, x_su, oy, 1), HELP_LINES),
        (polyline([(ox, oy), (x_yk, y_yk), (x_su, y_tk)], 2.6), CURVE)])


def note_pad():
    paper, lines, pencil, wood, tip = (255, 255, 255), (150, 170, 210), (230, 180, 40), (235, 205, 160), INK
    shapes = [(rect(8, 6, 56, 64), INK), (rect(9, 7, 55, 63), paper)]
    shapes += [(rect(13, y, 51, y), lines) for y in range(18, 60, 7)]
    shapes += [(rect(14 + 8 * k, 3, 16 + 8 * k, 10), INK) for k in range(5)]   # the binding rings
    shapes += [(polyline([(68, 14), (34, 52)], 7), INK), (polyline([(68, 14), (34, 52)], 5), pencil),
               (polygon([(31, 49), (37, 55), (27, 60)]), wood), (disc(28.5, 58.5, 1.8), tip)]
    return render(75, 70, SHEET_FACE, shapes)


def buttons():
    faces = [(235, 232, 225), (250, 246, 220), (205, 200, 192)]   # plain, under the pointer, pressed
    red, blue, green = (200, 30, 30), (30, 80, 190), (20, 140, 40)

    def symbol(row, ox, oy):
        if row == 0:   # cancel: a cross
            return [(segment(ox + 10, oy + 10, ox + 26, oy + 26, 4), red), (segment(ox + 26, oy + 10, ox + 10, oy + 26, 4), red)]
        if row == 1:   # help: a question mark
            return [(arc(ox + 18, oy + 13, 6, 3.2, 180, 90), blue), (segment(ox + 18, oy + 19, ox + 18, oy + 23, 3.2), blue),
                    (disc(ox + 18, oy + 28, 2), blue)]
        return [(polyline([(ox + 9, oy + 19), (ox + 15, oy + 26), (ox + 27, oy + 10)], 4), green)]   # confirm: a tick

    shapes = []
    for look in range(3):
        for row in range(3):
            ox, oy = 36 * look, 36 * row
            light, dark = ((255, 255, 255), (120, 116, 110)) if look < 2 else ((120, 116, 110), (255, 255, 255))
            shapes += [(rect(ox, oy, ox + 35, oy + 35), light), (rect(ox + 1, oy + 1, ox + 35, oy + 35), dark),
                       (rect(ox + 1, oy + 1, ox + 34, oy + 34), faces[look])]
            shift = 1 if look == 2 else 0
            shapes += symbol(row, ox + shift, oy + shift)
    return render(108, 108, faces[0], shapes)


PICTURES = {
    "UComment.bmp": note_pad,
    "UCButtons.bmp": buttons,
    "bemop_fcd.bmp": concrete_curve,
    "bemop_fyk.bmp": steel_curve,
}


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "DATA", "BITMAPS")
    os.makedirs(out, exist_ok=True)
    for name, picture in PICTURES.items():
        w, h, pixel = picture()
        write_bmp(os.path.join(out, name), w, h, pixel)


if __name__ == "__main__":
    main()
